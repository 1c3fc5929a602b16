#include "pages/wizard.h"

namespace tamberlyx {

// The pages refer to each other only once all are made.
Wizard::Wizard(const Services& services)
    : m_services(services),
      m_password(services, m_selection, m_passwordProgress),
      m_follow(services, m_saveProgress),
      m_step1(services, m_selection, m_searchProgress, m_password, m_follow, m_step2),
      m_step2(services, m_selection, {m_step1, m_step2, nullptr, &m_step3}),
      m_step3(services, m_selection, {m_step1, m_step2, &m_step2, &m_step4}),
      m_step4(services, m_selection, {m_step1, m_step2, &m_step3, nullptr}, m_saveProgress,
              m_follow) {}

}  // namespace tamberlyx
