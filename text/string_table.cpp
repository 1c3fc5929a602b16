#include "text/string_table.h"

#include <array>
#include <string_view>

#include "text/bilingual_text.h"

namespace tamberlyx {
namespace {

constexpr unsigned kFirstId = 103;

// Ids 103 to 186 in order; "\n" is a line break within the text.
constexpr std::array<std::string_view, 84> kStrings = {
    /* 103 */ "Windows sockets initialization failed.",
    /* 104 */
    "Searching for the Storage Link.\nPlease wait...||Tamberlyx을 검색중입니다.\n잠시만 "
    "기다려주세요...",
    /* 105 */
    "Saveing the new settings.\nPlease wait...||셋팅을 저장중입니다.\n잠시만 기다려 주세요...",
    /* 106 */ "Configurations have saved successfully!||성공적으로 저장되었습니다.",
    /* 107 */ "Step 1.",
    /* 108 */ "Network Storage Link(s) Have Been Found!",
    /* 109 */
    "    If you have one Network Storage Link, you can make changes to the following settings. if "
    "you have more than one Network Storage Link, you will need to run the Setup Utility again to "
    "configure each separate Network Storage Link.||Tamberlyx이 검색되었다면 Tamberlyx을 선택후 "
    "\"설정\" 버튼을 누르세요.",
    /* 110 */ "Server Name||서버명",
    /* 111 */ "IP Address||IP주소",
    /* 112 */ "Subnet Mask||서브넷마스크",
    /* 113 */ "Default Gateway||게이트웨이",
    /* 114 */ "IP Status||IP상태",
    /* 115 */ "Date||날짜",
    /* 116 */ "Time||시간",
    /* 117 */ "Selection||선택",
    /* 118 */ "Step 2.",
    /* 119 */ "IP Settings||IP설정",
    /* 120 */ "Set IP configuration manually||수동IP설정",
    /* 121 */ "Automatically obtain an IP address (DHCP)||IP주소 자동할당(DHCP)",
    /* 122 */ "Gateway||게이트웨이",
    /* 123 */
    "   An IP address must be specified in order to access the Network Storage Link from the "
    "network.||네트웍에서Tamberlyx을 접속하기위해서는 IP주소가 지정되어 있어야 합니다.",
    /* 124 */ "IP Address||IP주소",
    /* 125 */ "Subnet Mask||서브넷마스크",
    /* 126 */ "Step 3.",
    /* 127 */ "Date and Time||날짜와시간",
    /* 128 */ "Time Zone||타임존",
    /* 129 */ "Date||날짜",
    /* 130 */ "Time||시간",
    /* 131 */ "NTP Server||타임서버",
    /* 132 */ "Step 4.",
    /* 133 */ "Settings Confirmation||셋팅확인",
    /* 134 */ "Server Name||서버명",
    /* 135 */ "IP Address||IP주소",
    /* 136 */ "Subnet Mask||서버넷마스크",
    /* 137 */ "Default Gateway||게이트웨이",
    /* 138 */ "IP Status||IP상태",
    /* 139 */ "Date||날짜",
    /* 140 */ "Time||시간",
    /* 141 */ "Old Settings||이전셋팅",
    /* 142 */ "New Settings||새로운셋팅",
    /* 143 */ "DNS Server||DNS서버",
    /* 144 */ "Waiting for authentication...||인증을 기다리는중입니다....",
    /* 145 */ "Server Name||서버명",
    /* 146 */ "DNS Server||DNS 서버",
    /* 147 */ "MAC Address||맥어드레스",
    /* 148 */ "N/W Drive Make||N/W드라이브생성",
    /* 149 */
    "* IP address is changed, you cannot connect N/W Drive||*IP주소가 바뀌면 N/W드라이브로 "
    "연결할수 없습니다.",
    /* 150 */ "Search again||다시검색",
    /* 151 */ "Exit||종료",
    /* 152 */ "Setup||설치",
    /* 153 */ "Please enter current admin password:||admin 비밀번호입력:",
    /* 154 */ "Verify admin password||admin 비밀번호 확인",
    /* 155 */ "OK||확인",
    /* 156 */ "Cancel||취소",
    /* 157 */ "Next||다음",
    /* 158 */ "Back||이전",
    /* 159 */ "Save||저장",
    /* 160 */
    "You are about to change the settings.\nPress \"OK\" to save new settings.\nPress \"Cancel\" "
    "if you want to keep current settings.||셋팅을 저장하고싶다면\"확인\"을 누르고 현재설정상태를 "
    "유지하고 싶으면 \"취소\"를 누르세요.",
    /* 161 */
    "Another device was selected in the meantime.\nChoose the device again in Step 1.||그 사이에 "
    "다른 Tamberlyx이 선택되었습니다.\nStep 1에서 Tamberlyx을 다시 선택해 주세요.",
    /* 162 */
    "The settings do not fit in the device's settings text of 999 characters.\nShorten the "
    "%1.||새로운셋팅이 Tamberlyx의 셋팅(999자)에 들어가지 않습니다.\n%1 항목을 줄여 주세요.",
    /* 163 */
    "A new search read the device's settings again. Check them from Step 2.||새로운 검색으로 "
    "Tamberlyx의 셋팅을 다시 읽었습니다. Step 2에서부터 셋팅을 확인해 주세요.",
    /* 164 */
    "The device now answers at another address. Enter its password again in Step 1.||"
    "Tamberlyx이 다른 주소에서 응답합니다. Step 1에서 비밀번호를 다시 입력해 주세요.",
    /* 165 */ "Save anyway||그래도 저장",
    /* 166 */ "Go back||돌아가기",
    /* 167 */ "The new address may not work:||새로운 주소에 문제가 있을 수 있습니다:",
    /* 168 */
    "The subnet mask is not a mask: its ones are not contiguous.||서브넷 마스크가 올바르지 "
    "않습니다: 1인 비트가 연속되지 않습니다.",
    /* 169 */
    "The subnet mask leaves no address for hosts.||이 서브넷 마스크로는 호스트에 줄 주소가 "
    "없습니다.",
    /* 170 */ "0.0.0.0 cannot be a device's address.||0.0.0.0은 장치의 주소가 될 수 없습니다.",
    /* 171 */
    "%1 is a loopback address: no other host can reach it.||%1은(는) 루프백 주소라서 다른 "
    "호스트가 접근할 수 없습니다.",
    /* 172 */ "%1 is a multicast address.||%1은(는) 멀티캐스트 주소입니다.",
    /* 173 */ "%1 is the network address of its subnet.||%1은(는) 서브넷의 네트워크 주소입니다.",
    /* 174 */
    "%1 is the broadcast address of its subnet.||%1은(는) 서브넷의 브로드캐스트 주소입니다.",
    /* 175 */ "The gateway is the device's own address.||게이트웨이가 장치 자신의 주소입니다.",
    /* 176 */
    "The gateway is outside the subnet of the address and mask.||게이트웨이가 주소와 서브넷 "
    "마스크의 서브넷 밖에 있습니다.",
    /* 177 */
    "This PC, on %2 through %3, will not reach the device at %1: no web page, no shares.||이 "
    "PC(%3, %2)에서는 %1의 장치에 접근할 수 없습니다: 웹 페이지도 공유 폴더도 쓸 수 없습니다.",
    /* 178 */ "%1 is an address of this PC.||%1은(는) 이 PC의 주소입니다.",
    /* 179 */
    "Another host (%2) already answers at %1.||다른 호스트(%2)가 이미 %1 주소에서 응답합니다.",
    /* 180 */
    "Checking whether another host answers at %1...||다른 호스트가 %1 주소에서 응답하는지 "
    "확인하는 중입니다...",
    /* 181 */ "Waiting for the device at %1...||%1 주소에서 장치를 기다리는 중입니다...",
    /* 182 */
    "Waiting for the device to take an address from DHCP...||장치가 DHCP에서 주소를 받기를 "
    "기다리는 중입니다...",
    /* 183 */ "The device now answers at %1.||장치가 이제 %1 주소에서 응답합니다.",
    /* 184 */
    "The device has not answered yet. Press Setup to search again in a minute. On another "
    "subnet, or without a DHCP server, it cannot be found from this PC: give this PC an address "
    "on the device's subnet to reach it.||장치가 아직 응답하지 않았습니다. 잠시 후 설치를 눌러 "
    "다시 검색해 주세요. 다른 서브넷에 있거나 DHCP 서버가 없으면 이 PC에서 찾을 수 없습니다: 이 "
    "PC에 장치와 같은 서브넷의 주소를 주면 접근할 수 있습니다.",
    /* 185 */
    "* The N/W Drive is connected at the new address once the device answers there.||* 장치가 "
    "새 주소에서 응답하면 그 주소로 N/W드라이브를 연결합니다.",
    /* 186 */
    "The wait was stopped; the device keeps its new settings.||기다리기를 멈췄습니다. 장치는 새 "
    "셋팅을 유지합니다.",
};

}  // namespace

std::string LoadString(unsigned id) {
  if (id < kFirstId || id - kFirstId >= kStrings.size()) return {};
  return std::string(kStrings[id - kFirstId]);
}

std::string LoadText(unsigned id, bool korean) {
  std::string text = LoadString(id);
  PickLanguageText(text, korean);
  return text;
}

}  // namespace tamberlyx
