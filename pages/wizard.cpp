#include "pages/wizard.h"

namespace tamberlyx {

Wizard::Wizard(const Services& services)
    : m_services(services), m_step1(*this), m_step2(*this), m_step3(*this), m_step4(*this) {}

}  // namespace tamberlyx
