#include "bank/question_source.h"

// Slots 151 to 200 of the question bank: access control lists, wireless LANs, WAN links,
// network services, security basics, troubleshooting, link aggregation, TCP connection setup,
// cloud and virtualization, and configuration as code.
// The content keeps one question per block, laid out by hand.
// clang-format off
namespace bank {

const QuestionBlock kQuestions151To200 = {{
    // 151
    {.question_text = u"What happens to a packet that matches none of the entries in an IPv4 access "
                      u"control list?",
     .explanation = u"An access control list ends with an implicit deny of all traffic, so a packet that "
                    u"matches no entry is dropped; at least one permit entry is needed for any traffic to "
                    u"pass.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"It is permitted, because no entry denies it"},
         {u"0", u"It is sent to the router's processor so that it can be logged"},
         {u"1", u"It is denied by the implicit deny at the end of the list"},
     }}},
    // 152
    {.question_text = u"An administrator needs SNMP monitoring that eavesdroppers can neither read "
                      u"nor alter.\r\n"
                      u"Which of the following are security features offered by SNMPv3?",
     .explanation = u"The user-based security model of SNMPv3 adds per-user authentication, message "
                    u"integrity checks and optional encryption; SNMPv1 and SNMPv2c rely on clear-text "
                    u"community strings, and SNMP uses UDP 161 and 162, not TCP 23.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"0", u"A community string sent in clear text as the only access check"},
         {u"0", u"Transport of polls over TCP port 23"},
         {u"1", u"Authentication of each message with per-user credentials"},
         {u"1", u"Encryption of message contents (privacy)"},
         {u"1", u"Integrity checking that detects altered messages"},
         {u"0", u"Automatic suppression of all trap messages"},
     }}},
    // 153
    {.question_text = u"An administrator is choosing between standard and extended IPv4 access "
                      u"control lists.\r\n"
                      u"Which of the following statements about standard access control lists are true?",
     .explanation = u"A standard ACL checks only the source IP address, so it is placed near the "
                    u"destination to avoid blocking that source's traffic to other places; port and "
                    u"destination filtering need an extended ACL, and every ACL ends in an implicit deny.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"0", u"They can filter on destination TCP or UDP port numbers"},
         {u"0", u"They match both the source and the destination address"},
         {u"1", u"They match packets by source IP address only"},
         {u"0", u"They are normally placed as close to the source as possible"},
         {u"1", u"They are normally placed as close to the destination as possible"},
         {u"0", u"They end with an implicit permit of all other traffic"},
     }}},
    // 154
    {.question_text = u"A company moves its web servers to an infrastructure as a service (IaaS) offering "
                      u"from a public cloud provider.\r\n"
                      u"Which of the following does the company, not the provider, remain responsible for "
                      u"managing?",
     .explanation = u"In IaaS the provider runs the facility, physical servers, storage, network and "
                    u"virtualization layer; the customer manages everything from the guest operating "
                    u"system up: runtime, applications and data.\r\n"
                    u"Hardware, hypervisor, power and cooling stay with the provider, and a provider that "
                    u"also runs the applications is offering SaaS, not IaaS.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"1", u"The guest operating systems, their patches and the applications installed on them"},
         {u"0", u"The physical servers and storage arrays in the provider's data center"},
         {u"0", u"The hypervisor that runs the company's virtual machines"},
         {u"0", u"Power, cooling and physical security of the data center"},
         {u"0", u"The provider's physical switches, routers and cabling"},
         {u"0", u"Nothing beyond billing, because the provider runs every layer, including the "
                u"applications"},
     }}},
    // 155
    {.question_text = u"Which syslog severity level number is assigned to warning messages?",
     .explanation = u"Syslog levels run from 0 (emergency) through 1 alert, 2 critical, 3 error, 4 "
                    u"warning, 5 notice and 6 informational to 7 debug; lower numbers are more severe.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"2"},
         {u"0", u"3"},
         {u"1", u"4"},
         {u"0", u"5"},
         {u"0", u"6"},
     }}},
    // 156
    {.question_text = u"A company wants to control who may log in to its network devices and limit what "
                      u"each administrator may do once logged in.\r\n"
                      u"It must also keep a record of the commands that the administrators run.\r\n"
                      u"Which three functions of the AAA framework provide this? (Choose Three)",
     .explanation = u"AAA stands for authentication (who you are), authorization (what you may do) and "
                    u"accounting (a record of what you did); availability is a goal of security, not an "
                    u"AAA function.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"0", u"Availability"},
         {u"0", u"Anonymization"},
         {u"0", u"Addressing"},
         {u"1", u"Authentication"},
         {u"1", u"Authorization"},
         {u"1", u"Accounting"},
     }}},
    // 157
    {.question_text = u"A user reports that a remote server cannot be reached, and a ping to its "
                      u"address fails.\r\n"
                      u"Which tool best shows the router along the path beyond which the packets stop?",
     .explanation = u"traceroute lists each router hop that answers along the path, so the last hop that "
                    u"responds shows where forwarding stops; nslookup tests DNS, arp shows the local ARP "
                    u"cache and netstat lists local connections.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"nslookup"},
         {u"0", u"arp"},
         {u"0", u"netstat"},
         {u"1", u"traceroute"},
     }}},
    // 158
    {.question_text = u"By default, which transport protocol and port does an SSH server listen on?",
     .explanation = u"SSH uses TCP port 22; TCP 21 is FTP control, TCP 23 Telnet, UDP 69 TFTP, TCP 443 "
                    u"HTTPS and UDP 161 SNMP.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"TCP 21"},
         {u"1", u"TCP 22"},
         {u"0", u"TCP 23"},
         {u"0", u"UDP 69"},
         {u"0", u"TCP 443"},
         {u"0", u"UDP 161"},
     }}},
    // 159
    {.question_text = u"Two routers are joined by a leased serial line, and its encapsulation is "
                      u"changed from basic HDLC to PPP.\r\n"
                      u"Which features does PPP add to the link? (Choose Two)",
     .explanation = u"PPP adds LCP, which negotiates and tests link options, and optional PAP or CHAP "
                    u"authentication; both protocols use flag bytes, neither uses MAC addresses, and PPP "
                    u"carries many Layer 3 protocols through its NCPs.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"0", u"Flag bytes that mark the start and end of each frame"},
         {u"0", u"A 48-bit MAC address for each end of the link"},
         {u"1", u"Authentication of the peer with PAP or CHAP"},
         {u"0", u"A restriction to carrying only IPv4 packets"},
         {u"1", u"Negotiation of link options through the Link Control Protocol"},
     }}},
    // 160
    {.question_text = u"An administrator is writing extended access control entries for management "
                      u"and file transfer traffic.\r\n"
                      u"Which of these application protocols run over TCP? (Choose Three)",
     .explanation = u"SSH (TCP 22), Telnet (TCP 23) and FTP (TCP 21 for control) use TCP; TFTP uses UDP "
                    u"port 69 and provides its own simple acknowledgments.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"TFTP"},
         {u"1", u"SSH"},
         {u"1", u"Telnet"},
         {u"1", u"FTP"},
     }}},
    // 161
    {.question_text = u"Which of the following can an extended IPv4 access control entry match on?",
     .explanation = u"Extended IPv4 ACLs match Layer 3 and Layer 4 fields: protocol, source and "
                    u"destination addresses and ports; MAC addresses are Layer 2 fields and are not "
                    u"matched by IPv4 ACLs.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"1", u"Source IP address"},
         {u"1", u"Destination IP address"},
         {u"1", u"Protocol, such as TCP, UDP or ICMP"},
         {u"1", u"Destination TCP or UDP port number"},
         {u"0", u"Source MAC address"},
     }}},
    // 162
    {.question_text = u"A small office is upgrading its wireless network from WPA2 to WPA3.\r\n"
                      u"Which of the following are security improvements that WPA3 introduces?",
     .explanation = u"In WPA2-Personal the passphrase-derived key is itself the PMK, so a captured "
                    u"4-way handshake can be attacked offline with a dictionary; WPA3's SAE, a "
                    u"password-authenticated key exchange, derives a fresh PMK before the 4-way "
                    u"handshake, which defeats that. WPA3 also requires Protected Management "
                    u"Frames and allows neither TKIP nor WEP; enterprise mode still uses 802.1X, and "
                    u"SSID hiding is unrelated.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"0", u"Personal mode relies on TKIP with RC4 encryption"},
         {u"1", u"Personal mode uses Simultaneous Authentication of Equals (SAE) to "
                u"resist offline password guessing"},
         {u"0", u"Legacy WEP keys are accepted for backward compatibility"},
         {u"1", u"Protected Management Frames are mandatory"},
         {u"0", u"Enterprise mode no longer needs an 802.1X authentication server"},
         {u"0", u"The SSID is hidden so that outsiders cannot discover the network"},
     }}},
    // 163
    {.question_text = u"An audit finds that administrators manage switches and routers with Telnet.\r\n"
                      u"Why does the auditor recommend SSH instead?",
     .explanation = u"SSH encrypts the whole session, including usernames and passwords, whereas Telnet "
                    u"sends everything in clear text that anyone capturing packets can read; both run "
                    u"over TCP.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"SSH runs over UDP, so it is faster than Telnet"},
         {u"0", u"Telnet cannot send configuration commands to network devices"},
         {u"1", u"SSH encrypts the session, including login credentials, while Telnet "
                u"sends them in clear text"},
     }}},
    // 164
    {.question_text = u"An inbound IPv4 access control list contains two entries, in this order:\r\n"
                      u"entry 1 permits source network 10.1.1.0/24, and entry 2 denies source host "
                      u"10.1.1.5.\r\n"
                      u"What happens to a packet from 10.1.1.5?",
     .explanation = u"ACL entries are checked from the top and the first match decides; 10.1.1.5 matches "
                    u"the permit for 10.1.1.0/24 first, so the deny is never reached and should be placed "
                    u"above the permit.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"It is denied, because an entry for a single host always takes priority"},
         {u"0", u"It is denied by the implicit deny at the end of the list"},
         {u"1", u"It is permitted, because the first matching entry permits it"},
         {u"0", u"It is permitted and logged as a conflict between the two entries"},
         {u"0", u"The list is rejected as invalid, so the packet is forwarded unfiltered"},
     }}},
    // 165
    {.question_text = u"What is the main purpose of the Network Time Protocol (NTP) in a network of "
                      u"routers and switches?",
     .explanation = u"NTP synchronizes device clocks with a reference time source over UDP port 123, "
                    u"which keeps log timestamps consistent; addressing is done by DHCP, name resolution "
                    u"by DNS, log transport by syslog and statistics by SNMP.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"To assign IP addresses and default gateways to hosts automatically"},
         {u"0", u"To resolve host names into IP addresses for management tools"},
         {u"0", u"To carry time-stamped event messages from devices to a central log server"},
         {u"1", u"To synchronize the clocks of network devices with an accurate common "
                u"time source, so that log timestamps agree on all of the devices"},
         {u"0", u"To collect interface counters and other statistics from managed devices"},
         {u"0", u"To translate private inside addresses into public outside addresses"},
     }}},
    // 166
    {.question_text = u"A switch access port uses port security with a maximum of one MAC address, "
                      u"and its violation action is to shut the port down.\r\n"
                      u"The port has already learned the MAC address of the user's PC.\r\n"
                      u"The user adds a small unmanaged switch and connects a second PC to it. What "
                      u"happens?",
     .explanation = u"With a maximum of one address, a frame from a second source MAC address is a "
                    u"violation; with the shut-down action the whole port is disabled, cutting off both "
                    u"PCs until an administrator re-enables it.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"1", u"The port is shut down as soon as a frame with the second PC's source MAC address arrives"},
         {u"0", u"Both PCs work, because port security limits IP addresses rather than MAC addresses"},
         {u"0", u"Only the second PC works, because the newest MAC address replaces the learned one"},
         {u"0", u"The second PC is moved into a separate VLAN automatically"},
         {u"0", u"The switch asks the second PC to authenticate with 802.1X"},
         {u"0", u"Nothing changes, because frames passing through an unmanaged switch are not checked"},
     }}},
    // 167
    {.question_text = u"What is the purpose of the beacon frames that an access point transmits "
                      u"periodically?",
     .explanation = u"Beacons are management frames that advertise the BSS with its SSID, data rates, "
                    u"timing and security capabilities; association requests, ACKs, RTS/CTS and data "
                    u"frames do the other jobs.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"To let a client request to join a BSS"},
         {u"0", u"To acknowledge each data frame that arrives without errors"},
         {u"1", u"To advertise the BSS and its parameters, such as SSID, data rates and security settings"},
         {u"0", u"To reserve the medium before a long frame is sent"},
         {u"0", u"To carry encrypted user data between a client and the access point"},
     }}},
    // 168
    {.question_text = u"What do the label switching routers in the core of an MPLS network use to forward "
                      u"packets?",
     .explanation = u"MPLS routers forward on a short label pushed between the Layer 2 and Layer 3 "
                    u"headers, swapping it at each hop instead of doing a full IP routing lookup at every "
                    u"router in the core.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"The destination MAC address of the frame"},
         {u"0", u"A full lookup of the destination IP address in the routing table at every hop"},
         {u"1", u"A short label inserted between the Layer 2 header and the IP header"},
         {u"0", u"The source TCP or UDP port number"},
         {u"0", u"The VLAN tag added by the customer's switch"},
     }}},
    // 169
    {.question_text = u"A security team is classifying recent incidents reported by staff.\r\n"
                      u"Which of the following are examples of social engineering? (Select all that "
                      u"apply)",
     .explanation = u"Social engineering manipulates people: phishing, tailgating, pretexting calls and "
                    u"baiting with USB drives; a DDoS attack and MAC flooding attack systems directly, "
                    u"not people.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"1", u"An email that imitates the payroll department and asks staff to confirm their password"},
         {u"0", u"A flood of traffic from thousands of infected hosts that overwhelms the web server"},
         {u"1", u"A visitor who follows an employee through a badge-controlled door"},
         {u"0", u"A device that floods the switch with frames from random source MAC addresses"},
         {u"1", u"A caller posing as the help desk who asks a user to read out a one-time code"},
         {u"1", u"USB drives carrying malware left in the parking lot for employees to pick up and plug in"},
     }}},
    // 170
    {.question_text = u"Which SNMP message type does an agent send unsolicited to report an event, with "
                      u"no acknowledgment expected?",
     .explanation = u"A trap is an unsolicited, unacknowledged notification from agent to manager (UDP "
                    u"162); Get, GetNext, GetBulk and Set are manager requests, and Response answers "
                    u"them.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Get"},
         {u"0", u"GetNext"},
         {u"0", u"Set"},
         {u"1", u"Trap"},
         {u"0", u"GetBulk"},
         {u"0", u"Response"},
     }}},
    // 171
    {.question_text = u"A user at a branch office cannot open the company intranet web site by its "
                      u"name.\r\n"
                      u"The host's IP configuration shows the address 192.168.10.25/24, default gateway "
                      u"192.168.10.1 and DNS server 10.0.0.53.\r\n"
                      u"From the same host, pings to 192.168.10.1, to 10.0.0.53 and to the intranet web "
                      u"server 10.0.5.20 all succeed.\r\n"
                      u"The site opens normally when its address is typed into the browser, but an "
                      u"nslookup query for the site's name times out.\r\n"
                      u"Which two are the most likely causes of the problem? (Select two)",
     .explanation = u"Pings prove that addressing, the gateway, routing and cabling work, and browsing by "
                    u"address proves the web service runs; only name resolution fails, so the DNS service "
                    u"is down or port 53 is filtered.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"1", u"The DNS service on 10.0.0.53 is not answering queries"},
         {u"0", u"The host's default gateway is set incorrectly"},
         {u"0", u"The intranet web server's service has stopped"},
         {u"0", u"The host's subnet mask is wrong for its network"},
         {u"1", u"A filter on the path blocks DNS traffic (port 53) but permits ICMP"},
         {u"0", u"The host's network cable or switch port is faulty"},
     }}},
    // 172
    {.question_text = u"Routers R1, R2 and R3 are connected in a line. Hosts on 10.1.1.0/24 attach to "
                      u"R1; web server 10.3.3.10 attaches to R3.\r\n"
                      u"Those hosts must be prevented from reaching the web server while all other "
                      u"traffic still flows.\r\n"
                      u"Where is an extended access control list best applied?",
     .explanation = u"An extended ACL also matches the destination, so applying it inbound near the "
                    u"source drops the unwanted traffic before it uses WAN bandwidth without affecting "
                    u"other flows; standard ACLs go near the destination.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Outbound on R3's interface toward the web server"},
         {u"0", u"Inbound on R3's interface that faces R2"},
         {u"1", u"Inbound on R1's interface that faces the 10.1.1.0/24 LAN"},
         {u"0", u"Outbound on R1's interface that faces the 10.1.1.0/24 LAN"},
         {u"0", u"Inbound on both of R2's interfaces"},
     }}},
    // 173
    {.question_text = u"Which value uniquely identifies a single basic service set (BSS) in an 802.11 "
                      u"infrastructure network?",
     .explanation = u"Each BSS is identified by its BSSID, normally the MAC address of the access point "
                    u"radio; the SSID is a network name that many BSSs in an ESS can share, and channel "
                    u"numbers are reused.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"The SSID"},
         {u"0", u"The channel number"},
         {u"0", u"The access point's management IP address"},
         {u"1", u"The BSSID, normally the MAC address of the access point's radio"},
     }}},
    // 174
    {.question_text = u"By default, on which transport protocol and port does a syslog server receive "
                      u"messages from network devices?",
     .explanation = u"Syslog traditionally uses UDP port 514; UDP 161 and 162 are SNMP, TCP 23 is Telnet, "
                    u"UDP 123 is NTP and TCP 443 is HTTPS.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"UDP 161"},
         {u"1", u"UDP 514"},
         {u"0", u"TCP 23"},
         {u"0", u"UDP 123"},
         {u"0", u"UDP 162"},
         {u"0", u"TCP 443"},
     }}},
    // 175
    {.question_text = u"Which of the following are characteristics of a leased-line WAN connection "
                      u"between two sites?",
     .explanation = u"A leased line is a permanent, dedicated point-to-point circuit from a provider; it "
                    u"is not shared, not dialed per call, costs more than broadband of the same speed and "
                    u"does not cross the internet.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"1", u"Capacity dedicated to the customer and not shared with other subscribers"},
         {u"1", u"A permanent point-to-point circuit that is always available"},
         {u"0", u"Bandwidth shared with neighboring subscribers on the same cable segment"},
         {u"0", u"A connection that exists only while a call is set up"},
         {u"0", u"Lower cost than consumer broadband of the same speed"},
         {u"0", u"Traffic carried across the public internet between the sites"},
     }}},
    // 176
    {.question_text = u"What does a stateful firewall do that a simple stateless packet filter does not?",
     .explanation = u"A stateful firewall keeps a table of sessions and admits replies that match one; "
                    u"stateless filters can match addresses and ports too, but need explicit rules for "
                    u"return traffic.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Filter packets by source IP address"},
         {u"0", u"Filter packets by destination port number"},
         {u"0", u"Encrypt traffic between two sites"},
         {u"1", u"Track sessions and allow the return traffic of connections started from inside"},
         {u"0", u"Assign IP addresses to inside hosts"},
     }}},
    // 177
    {.question_text = u"In IEEE 802.1X port-based access control, which role does the switch that the "
                      u"client connects to play?",
     .explanation = u"The client is the supplicant, the switch (or access point) is the authenticator "
                    u"that relays EAP messages, and usually a RADIUS server is the authentication server.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Supplicant"},
         {u"0", u"Authentication server"},
         {u"1", u"Authenticator"},
         {u"0", u"Relay agent"},
         {u"0", u"Certificate authority"},
         {u"0", u"Proxy server"},
     }}},
    // 178
    {.question_text = u"A router synchronizes its clock to an NTP server that operates at stratum 2. At "
                      u"which stratum is the router?",
     .explanation = u"Each NTP hop adds one to the stratum, so a client of a stratum 2 server is at "
                    u"stratum 3; stratum 1 servers attach to reference clocks and stratum 16 means "
                    u"unsynchronized.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Stratum 1"},
         {u"0", u"Stratum 2"},
         {u"1", u"Stratum 3"},
         {u"0", u"Stratum 4"},
         {u"0", u"Stratum 16"},
     }}},
    // 179
    {.question_text = u"Two switches are connected by four parallel Ethernet links.\r\n"
                      u"The administrator bundles the links into one logical link using LACP (IEEE "
                      u"802.1AX).\r\n"
                      u"Which three statements about the bundle are true? (Choose Three)",
     .explanation = u"LACP bundles full-duplex members, in practice of equal speed, into one logical link: spanning "
                    u"tree sees a single link, and a failed member's flows move to the others while the "
                    u"bundle stays up.\r\n"
                    u"Two passive ends never start negotiating, so at least one end must be active, and "
                    u"LACPDUs are sent periodically to keep checking every member.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"0", u"The bundle forms when both ends are set to passive LACP mode"},
         {u"0", u"LACP exchanges its control frames only once, when the bundle first forms"},
         {u"1", u"If one member link fails, the bundle stays up and its traffic moves to the "
                u"remaining members"},
         {u"1", u"Spanning tree treats the bundle as one logical link, so it does not block "
                u"individual members"},
         {u"1", u"Every member link must run in full duplex, and in practice all members have the same "
                u"speed"},
     }}},
    // 180
    {.question_text = u"What is an extended service set (ESS) in an 802.11 wireless LAN?",
     .explanation = u"An ESS joins several BSSs with the same SSID through a distribution system, usually "
                    u"the wired LAN, so clients can roam between them; one access point with its clients "
                    u"is a BSS, and clients linked directly form an IBSS.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"One access point together with the clients associated to it"},
         {u"0", u"Clients that communicate directly with each other without an access point"},
         {u"0", u"A wider channel formed by bonding two adjacent 20 MHz channels"},
         {u"1", u"Several access points sharing one SSID, joined by a distribution "
                u"system so clients can roam"},
     }}},
    // 181
    {.question_text = u"A client at 192.168.1.50 opens a connection to a web server at 203.0.113.10 on TCP "
                      u"port 443.\r\n"
                      u"The client's first segment has only the SYN flag set.\r\n"
                      u"If the server accepts the connection, which flags are set in its reply?",
     .explanation = u"In the three-way handshake the client sends SYN, the server answers SYN+ACK (its own "
                    u"SYN plus an acknowledgment of the client's) and the client completes it with ACK; "
                    u"ACK alone is the third segment, RST+ACK refuses a connection, FIN+ACK begins closing "
                    u"one, and PSH+ACK carries data once a connection is open.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"SYN only"},
         {u"1", u"SYN and ACK"},
         {u"0", u"ACK only"},
         {u"0", u"FIN and ACK"},
         {u"0", u"RST and ACK"},
         {u"0", u"PSH and ACK"},
     }}},
    // 182
    {.question_text = u"A router's syslog threshold is level 3 (error): it sends messages at that "
                      u"level and every more severe level.\r\n"
                      u"Which of the following messages reach the syslog server? (Choose all that apply)",
     .explanation = u"Lower syslog numbers are more severe, so a level 3 threshold sends levels 0 to 3 "
                    u"(emergency, alert, critical, error) and drops levels 4 to 7 (warning, notice, "
                    u"informational, debug).",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"0", u"A level 4 (warning) message"},
         {u"1", u"A level 2 (critical) message"},
         {u"0", u"A level 6 (informational) message"},
         {u"1", u"A level 0 (emergency) message"},
         {u"0", u"A level 5 (notice) message"},
         {u"1", u"A level 3 (error) message"},
     }}},
    // 183
    {.question_text = u"Which of the following are good practices for securing network devices and their "
                      u"management access?",
     .explanation = u"SSH encrypts sessions, an ACL limits where logins may come from, individual AAA "
                    u"accounts give accountability and can be revoked, and disabling unused services and "
                    u"ports shrinks the attack surface.\r\n"
                    u"Shared passwords remove accountability, and SNMPv1 with a default community string "
                    u"is trivially abused.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"1", u"Use SSH instead of Telnet for remote command-line access"},
         {u"0", u"Share a single administrator password among all staff"},
         {u"1", u"Allow management logins only from an administrative subnet, enforced "
                u"by an access control list"},
         {u"1", u"Use centralized AAA with an individual account for each administrator"},
         {u"0", u"Use SNMPv1 with the well-known community string public"},
         {u"1", u"Disable unused services and shut down unused ports"},
     }}},
    // 184
    {.question_text = u"Two routers must authenticate each other over a PPP serial link.\r\n"
                      u"Why is CHAP preferred over PAP?",
     .explanation = u"PAP sends the username and password in clear text in a two-way exchange; CHAP uses "
                    u"a three-way handshake in which the peer returns an MD5 hash of the challenge and "
                    u"shared secret, and it can re-challenge later.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"1", u"CHAP sends a hash of a random challenge and the shared secret, never the secret itself"},
         {u"0", u"CHAP encrypts the password with the peer's public key before sending it"},
         {u"0", u"PAP cannot be used on serial links"},
         {u"0", u"CHAP needs no secret configured on either router"},
         {u"0", u"PAP uses a three-way handshake that takes longer"},
         {u"0", u"CHAP works only on Ethernet links"},
     }}},
    // 185
    {.question_text = u"Three access points cover neighboring areas in the 2.4 GHz band, where "
                      u"channels 1 to 11 are allowed.\r\n"
                      u"Which channel plan keeps their channels from overlapping?",
     .explanation = u"2.4 GHz channel centers are only 5 MHz apart while each DSSS channel is 22 MHz wide, "
                    u"so only channels at least five numbers (25 MHz) apart do not overlap; within 1 to 11 "
                    u"only 1, 6 and 11 achieve that.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"1, 2 and 3"},
         {u"1", u"1, 6 and 11"},
         {u"0", u"3, 6 and 9"},
         {u"0", u"2, 4 and 6"},
         {u"0", u"1, 4 and 7"},
         {u"0", u"6, 7 and 8"},
     }}},
    // 186
    {.question_text = u"Two virtual machines run on the same hypervisor host, and each has one virtual "
                      u"NIC.\r\n"
                      u"Both virtual NICs connect to the same internal virtual switch, which has no uplink "
                      u"to a physical NIC.\r\n"
                      u"The VMs are in the same subnet; how do frames travel between them?",
     .explanation = u"A virtual switch is a software Layer 2 switch in the hypervisor: it knows the MAC "
                    u"addresses of the attached virtual NICs from their configuration, or learns them from "
                    u"traffic, and forwards frames between them in memory.\r\n"
                    u"Two VMs in one subnet on one virtual switch need no physical NIC, uplink or router; "
                    u"an uplink is needed only to reach the physical network.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Out through the host's physical NIC to the external switch, which sends them back in"},
         {u"0", u"Through the default gateway router, because VMs cannot exchange frames directly"},
         {u"0", u"They cannot reach each other until the virtual switch is given an uplink to a "
                u"physical NIC"},
         {u"1", u"The virtual switch forwards them between the virtual NICs by MAC address, inside "
                u"the host"},
     }}},
    // 187
    {.question_text = u"Which 802.11 amendment offers data rates of up to 54 Mb/s and operates only in "
                      u"the 5 GHz band?",
     .explanation = u"802.11a uses OFDM at up to 54 Mb/s in the 5 GHz band; 802.11g gives the same rate "
                    u"at 2.4 GHz, 802.11b reaches only 11 Mb/s, and 802.11n, 802.11ac and 802.11ax are "
                    u"far faster.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"1", u"802.11a"},
         {u"0", u"802.11b"},
         {u"0", u"802.11g"},
         {u"0", u"802.11n"},
         {u"0", u"802.11ac"},
         {u"0", u"802.11ax"},
     }}},
    // 188
    {.question_text = u"A company links a branch office to headquarters across the internet with a "
                      u"site-to-site IPsec VPN.\r\n"
                      u"Which statements about this design are true? (Choose Two)",
     .explanation = u"In a site-to-site VPN the gateways at each site build an encrypted IPsec tunnel "
                    u"over the internet, transparently to hosts; client software is for remote-access "
                    u"VPNs, and no leased line is needed.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"0", u"Every host at the branch needs VPN client software"},
         {u"0", u"A dedicated leased line must run between the two sites"},
         {u"1", u"Traffic between the sites is encrypted by the two VPN gateways before "
                u"it crosses the internet"},
         {u"1", u"Hosts send ordinary traffic, and the gateways build and maintain the tunnel"},
     }}},
    // 189
    {.question_text = u"Which type of attack uses traffic from many compromised hosts to overwhelm a "
                      u"server so it cannot serve users?",
     .explanation = u"A distributed denial-of-service (DDoS) attack uses many compromised hosts, often a "
                    u"botnet, to exhaust a target's bandwidth or resources; the others target "
                    u"credentials, device identities, traffic in transit or physical access.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Phishing"},
         {u"0", u"On-path (man-in-the-middle)"},
         {u"0", u"MAC address spoofing"},
         {u"0", u"Brute-force password guessing"},
         {u"1", u"Distributed denial of service"},
         {u"0", u"Tailgating"},
     }}},
    // 190
    {.question_text = u"A technician wants a structured way to isolate a network fault by OSI layer.\r\n"
                      u"Which of these are recognized layered troubleshooting methods? (Check all that "
                      u"apply)",
     .explanation = u"Top-down starts at the application layer, bottom-up at the physical layer, and "
                    u"divide and conquer starts in the middle (often with a ping) and moves up or down "
                    u"according to the result.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"1", u"Top-down"},
         {u"1", u"Bottom-up"},
         {u"1", u"Divide and conquer"},
     }}},
    // 191
    {.question_text = u"Which broadband access technology delivers data to subscribers over existing "
                      u"copper telephone lines?",
     .explanation = u"DSL (digital subscriber line) carries data at frequencies above voice on the "
                    u"telephone pair to a DSLAM; cable broadband uses coaxial TV cable, and the others "
                    u"use fiber or radio.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Cable broadband over coaxial cable"},
         {u"0", u"Fiber to the home"},
         {u"1", u"DSL"},
         {u"0", u"Satellite"},
         {u"0", u"Cellular 4G or 5G"},
         {u"0", u"Fixed wireless"},
     }}},
    // 192
    {.question_text = u"A user enters an address beginning with https:// into a web browser.\r\n"
                      u"To which destination TCP port does the browser connect by default?",
     .explanation = u"HTTPS (HTTP over TLS) uses TCP port 443 by default; 80 is plain HTTP, 8080 a common "
                    u"alternative HTTP port, 53 DNS, 22 SSH and 25 SMTP.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"80"},
         {u"0", u"8080"},
         {u"1", u"443"},
         {u"0", u"53"},
         {u"0", u"22"},
         {u"0", u"25"},
     }}},
    // 193
    {.question_text = u"Which of the following statements about FTP and TFTP are true?",
     .explanation = u"FTP runs over TCP with a control connection on port 21 and separate data "
                    u"connections, and it requires a login.\r\n"
                    u"TFTP uses UDP port 69 and has no login, no directory listing and no encryption, "
                    u"which suits simple jobs such as copying device images.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"0", u"TFTP encrypts files while they are transferred"},
         {u"0", u"FTP transfers files over UDP port 69"},
         {u"1", u"FTP uses separate connections for control and for data"},
         {u"0", u"TFTP lets users browse and list remote directories"},
         {u"1", u"TFTP runs over UDP and has no user login"},
         {u"1", u"FTP control connections use TCP port 21"},
     }}},
    // 194
    {.question_text = u"Which of the following IEEE 802.11 amendments can operate in the 2.4 GHz band?",
     .explanation = u"802.11b, 802.11g, 802.11n and 802.11ax all define 2.4 GHz operation (n and ax also "
                    u"use 5 GHz, and ax 6 GHz); 802.11ac works only in the 5 GHz band.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"1", u"802.11b"},
         {u"0", u"802.11ac"},
         {u"1", u"802.11g"},
         {u"1", u"802.11n"},
         {u"1", u"802.11ax"},
     }}},
    // 195
    {.question_text = u"What is a main benefit of keeping network device configurations as templates in a "
                      u"version control system?",
     .explanation = u"Version control records who changed what and when, allows review before "
                    u"deployment and lets a proven version be restored or applied identically to many "
                    u"devices; it does not make errors impossible, speed up forwarding, remove the need "
                    u"for device access or make clear-text secrets safe.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Devices no longer need any management access once their templates are stored"},
         {u"0", u"Configuration errors become impossible, so changes need no testing"},
         {u"0", u"Devices forward packets faster, because configurations built from templates are smaller"},
         {u"1", u"Every change is recorded and reviewable, and a known-good version can be restored "
                u"or reapplied"},
         {u"0", u"Passwords and keys can safely be kept in the templates in clear text, as the "
                u"repository is private"},
     }}},
    // 196
    {.question_text = u"A technician pings 10.8.4.20 and receives ICMP Destination Unreachable "
                      u"messages sent by the router 10.1.1.1.\r\n"
                      u"What do these messages indicate?",
     .explanation = u"A Destination Unreachable message from a router means that router did not deliver "
                    u"the packet, for example for lack of a route or of an ARP reply from the host, or "
                    u"because a filter prohibits forwarding it (code 13, RFC 1812); the path up to that "
                    u"router works.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"The technician's own network cable is unplugged"},
         {u"0", u"The destination host is replying, but its replies arrive late"},
         {u"0", u"DNS could not resolve the destination's name"},
         {u"1", u"A router on the path could not forward the packets toward the destination"},
     }}},
    // 197
    {.question_text = u"Which switch security feature stops a rogue DHCP server on an access port from "
                      u"handing out addresses?",
     .explanation = u"DHCP snooping trusts only the ports toward the real DHCP server and drops server "
                    u"messages, such as offers, that arrive on untrusted access ports.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Port security"},
         {u"0", u"802.1Q trunking"},
         {u"1", u"DHCP snooping"},
         {u"0", u"Storm control"},
         {u"0", u"Spanning Tree Protocol"},
     }}},
    // 198
    {.question_text = u"A company's wireless network must let each employee log in with individual "
                      u"credentials.\r\n"
                      u"When an employee leaves, only that person's access should be revoked, without "
                      u"changing anyone else's settings.\r\n"
                      u"Which wireless security approach meets these needs?",
     .explanation = u"Enterprise mode authenticates each user through 802.1X against an authentication "
                    u"server, so one account can be disabled; shared keys must be changed for everyone, "
                    u"and WEP, hidden SSIDs and MAC filters are weak.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"WPA2-Personal with one pre-shared key for everyone"},
         {u"1", u"WPA2- or WPA3-Enterprise using 802.1X with an authentication server"},
         {u"0", u"WPA3-Personal with a single shared passphrase"},
         {u"0", u"WEP with a 104-bit static key"},
         {u"0", u"An open network with the SSID hidden"},
         {u"0", u"An open network that filters on client MAC addresses"},
     }}},
    // 199
    {.question_text = u"A traveling employee needs secure access to internal servers from hotel networks. "
                      u"Which solution fits best?",
     .explanation = u"A remote-access VPN builds an encrypted tunnel from client software on the laptop "
                    u"to the company's VPN gateway over any internet connection; site-to-site VPNs and "
                    u"leased lines join fixed sites.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"A dedicated leased line to each hotel"},
         {u"0", u"A site-to-site VPN between each hotel's router and headquarters"},
         {u"1", u"A remote-access VPN from the laptop to the headquarters VPN gateway"},
         {u"0", u"Forwarding the servers' ports through the headquarters firewall to the internet"},
         {u"0", u"Telnet sessions to each internal server"},
         {u"0", u"Disabling the firewall while the employee travels"},
     }}},
    // 200
    {.question_text = u"An access control entry uses the address 192.168.4.0 with the wildcard mask "
                      u"0.0.3.255, whose 1 bits mark the address bits that the entry ignores.\r\n"
                      u"Which range of source addresses does it match?",
     .explanation = u"Wildcard 0.0.3.255 ignores the last 10 bits (like a /22 mask), so the third octet "
                    u"may be 4 to 7: the entry matches 192.168.4.0 through 192.168.7.255.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"192.168.4.0 to 192.168.4.255"},
         {u"0", u"192.168.0.0 to 192.168.3.255"},
         {u"1", u"192.168.4.0 to 192.168.7.255"},
         {u"0", u"192.168.4.0 to 192.168.8.255"},
         {u"0", u"192.168.4.0 to 192.168.6.255"},
         {u"0", u"192.168.3.0 to 192.168.4.255"},
     }}},
}};

}  // namespace bank
// clang-format on
