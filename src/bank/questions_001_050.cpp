#include "bank/question_source.h"

// Slots 1 to 50 of the question bank: network models, cabling and Ethernet, switching and VLANs,
// and spanning tree.
// The content keeps one question per block, laid out by hand.
// clang-format off
namespace bank {

const QuestionBlock kQuestions001To050 = {{
    // 1
    {.question_text = u"A web browser passes a request down the protocol stack of the sending host.\r\n"
                      u"At which OSI layer is the data divided into segments and labeled with port "
                      u"numbers?",
     .explanation = u"The transport layer segments application data and adds source and destination port "
                    u"numbers, so the receiving host can reassemble the data and hand it to the right "
                    u"application.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"1", u"Transport"},
         {u"0", u"Network"},
         {u"0", u"Session"},
         {u"0", u"Data link"},
         {u"0", u"Presentation"},
         {u"0", u"Application"},
     }}},
    // 2
    {.question_text = u"A host sends a web request to a server.\r\n"
                      u"The transport layer adds a TCP header, then the network layer adds an IP "
                      u"header.\r\n"
                      u"What is the protocol data unit called once the data link layer adds its header and "
                      u"trailer?",
     .explanation = u"Data link encapsulation produces a frame: an Ethernet header in front and a frame "
                    u"check sequence behind the packet. Segments belong to the transport layer, packets to "
                    u"the network layer, bits to the physical layer.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Segment"},
         {u"0", u"Packet"},
         {u"0", u"Bits"},
         {u"1", u"Frame"},
         {u"0", u"Message"},
     }}},
    // 3
    {.question_text = u"A designer maps the seven OSI layers onto the four-layer TCP/IP model.\r\n"
                      u"Which TCP/IP layer covers the OSI session, presentation and application layers?",
     .explanation = u"The TCP/IP application layer takes on the work of OSI layers 5, 6 and 7; the TCP/IP "
                    u"transport layer matches OSI layer 4, the internet layer matches layer 3, and network "
                    u"access covers layers 1 and 2.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Transport"},
         {u"0", u"Internet"},
         {u"1", u"Application"},
         {u"0", u"Network access"},
         {u"0", u"Host-to-host"},
     }}},
    // 4
    {.question_text = u"The diagrams and the exhibit show switch SW1, with hosts H1 and H2 on access "
                      u"ports in VLAN 10, joined by an IEEE 802.1Q trunk to switch SW2, with host H3 "
                      u"in VLAN 10 and host H4 in VLAN 20.\r\n"
                      u"The trunk carries VLANs 10 and 20 and has native VLAN 1; each VLAN has its own "
                      u"IPv4 subnet, and no router is attached.\r\n"
                      u"Which of the following statements about this topology are true?",
     .explanation = u"H1 and H3 share VLAN 10, so the trunk carries their frames tagged with VLAN ID 10 "
                    u"(only the native VLAN 1 goes untagged). VLAN 20 is a separate broadcast domain and "
                    u"subnet, and without a router nothing is forwarded between VLANs 10 and 20.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"0", u"H1 can ping H4 because the trunk also carries VLAN 20"},
         {u"1", u"H1 can ping H3 across the trunk"},
         {u"0", u"H2 receives the broadcast frames that H4 sends"},
         {u"1", u"Frames from H1 to H3 cross the trunk tagged with VLAN ID 10"},
     }},
     .diagram_file = {u"mypic.gif", u"mypic.jpg", u""},
     .exhibit_file = {u"cool.txt", u"", u""}},
    // 5
    {.question_text = u"How many bits long is an IEEE 802 MAC address used by Ethernet?",
     .explanation = u"A MAC address has 48 bits, written as 12 hexadecimal digits (six octets), for "
                    u"example 00-00-5E-00-53-01; the first 24 bits normally hold the organizationally "
                    u"unique identifier.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"32"},
         {u"0", u"64"},
         {u"1", u"48"},
         {u"0", u"128"},
         {u"0", u"16"},
         {u"0", u"24"},
     }}},
    // 6
    {.question_text = u"Which of the following fields are part of the header or trailer of an Ethernet II "
                      u"frame?",
     .explanation = u"An Ethernet II frame carries destination MAC, source MAC and EtherType in its header "
                    u"and a 4-byte frame check sequence (CRC) as its trailer. Time to live is a field of "
                    u"the IP header, not of the frame.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"1", u"Destination MAC address"},
         {u"1", u"Source MAC address"},
         {u"0", u"Time to live"},
         {u"1", u"EtherType"},
         {u"1", u"Frame check sequence"},
     }}},
    // 7
    {.question_text = u"Which of the following devices make each of their ports a separate collision "
                      u"domain? (Select all that apply)",
     .explanation = u"",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"0", u"Hub"},
         {u"1", u"Switch"},
         {u"1", u"Router"},
         {u"0", u"Repeater"},
         {u"0", u"Patch panel"},
         {u"0", u"Passive cable coupler"},
     }}},
    // 8
    {.question_text = u"One end of a 100BASE-TX copper link is manually fixed at 100 Mb/s full duplex, "
                      u"while the other end is left to autonegotiate.\r\n"
                      u"Which of the following are likely results? (Select all that apply)",
     .explanation = u"The autonegotiating end gets no negotiation answer, senses the speed and falls back "
                    u"to half duplex. It then sees collisions late in its frames, while the full-duplex "
                    u"end, which sends at will, counts FCS errors and runts. The link is up but slow.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"1", u"The autonegotiating end runs half duplex and logs late collisions"},
         {u"1", u"The full-duplex end logs FCS (CRC) errors and runt frames"},
         {u"0", u"The link never comes up, so no frames are exchanged"},
         {u"0", u"Both ends settle on 100 Mb/s full duplex without errors"},
     }}},
    // 9
    {.question_text = u"A crossover cable is always required between two switches, even when their ports "
                      u"support Auto-MDIX.",
     .explanation = u"Auto-MDIX lets a port detect the wiring and swap its transmit and receive pairs "
                    u"by itself.\r\n"
                    u"Only one end has to perform the crossover, so with Auto-MDIX a straight-through "
                    u"cable works between two switches.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"True"},
         {u"1", u"False"},
     }}},
    // 10
    {.question_text = u"Which of the following are characteristics of single-mode fiber compared with "
                      u"multimode fiber?",
     .explanation = u"Single-mode fiber has a core of about 9 micrometers that carries one light path from "
                    u"a laser, so it avoids modal dispersion and reaches far longer distances. Many light "
                    u"paths are typical of multimode fiber; LEDs drive only older multimode links of up to "
                    u"100 Mb/s, while multimode links of 1 Gb/s and above are driven by lasers, mostly "
                    u"short-wavelength (850 nm) VCSELs.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"1", u"A much smaller core, about 9 micrometers across"},
         {u"0", u"It usually uses LEDs as its light source"},
         {u"0", u"Light travels along many paths, causing modal dispersion"},
         {u"1", u"It supports much longer link distances"},
     }}},
    // 11
    {.question_text = u"Which of the following are true of how a Layer 2 switch (a transparent bridge) "
                      u"learns MAC addresses and forwards frames?",
     .explanation = u"A switch learns the source MAC address of each frame against the incoming port, "
                    u"floods unknown unicast and broadcast frames within the VLAN (never back out the "
                    u"incoming port) and ages out entries that are not refreshed.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"0", u"It learns from the destination MAC address of each received frame"},
         {u"0", u"It sends unknown unicast frames only to the port of the default gateway"},
         {u"1", u"It learns from the source MAC address of each received frame"},
         {u"1", u"It floods a unicast frame whose destination is not in its MAC address table"},
         {u"1", u"It floods broadcast frames out all ports of the VLAN except the incoming one"},
         {u"1", u"It removes table entries that have not been refreshed within the aging time"},
     }}},
    // 12
    {.question_text = u"All the VLANs configured on one switch share a single broadcast domain.",
     .explanation = u"False: each VLAN is its own broadcast domain. A broadcast sent in one VLAN reaches "
                    u"only ports in that VLAN, and traffic between VLANs needs a router or Layer 3 switch.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"True"},
         {u"1", u"False"},
     }}},
    // 13
    {.question_text = u"An engineer captures a frame on an IEEE 802.1Q trunk link.\r\n"
                      u"Which statements about the 802.1Q tag in that frame are true? (Choose Two)",
     .explanation = u"The 4-byte 802.1Q tag sits between the source MAC address and the EtherType and "
                    u"holds a 12-bit VLAN identifier and a 3-bit priority field. Because the frame "
                    u"changes, the switch recalculates the FCS.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"0", u"It adds 8 bytes to the frame"},
         {u"0", u"It wraps the whole original frame inside a new header and trailer"},
         {u"0", u"Its VLAN identifier field is 3 bits long"},
         {u"1", u"Its VLAN identifier field is 12 bits long"},
         {u"0", u"The original FCS is kept unchanged after the tag is inserted"},
         {u"1", u"It is inserted right after the source MAC address field"},
     }}},
    // 14
    {.question_text = u"How many VLAN IDs can be assigned to ordinary VLANs with the 12-bit IEEE 802.1Q "
                      u"VLAN identifier?",
     .explanation = u"12 bits give 4096 values (0 to 4095), but 0 (priority tagging only) and 4095 are "
                    u"reserved, leaving VLAN IDs 1 to 4094: 4094 usable VLANs.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"4096"},
         {u"0", u"1024"},
         {u"1", u"4094"},
         {u"0", u"4095"},
         {u"0", u"1005"},
         {u"0", u"2048"},
     }}},
    // 15
    {.question_text = u"Which of the following is a characteristic of the native VLAN on an IEEE 802.1Q "
                      u"trunk link?",
     .explanation = u"By default the native VLAN's frames travel over the trunk without an 802.1Q tag. It "
                    u"can carry user data like any VLAN and should be the same on both ends; the trunk "
                    u"still carries all its other allowed VLANs.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Its frames are always tagged with VLAN ID 0"},
         {u"0", u"It must be a different VLAN on each end of the trunk"},
         {u"1", u"By default its frames cross the trunk without a tag"},
         {u"0", u"It carries only management traffic"},
         {u"0", u"It cannot carry user data"},
         {u"0", u"It is the only VLAN that the trunk can forward"},
     }}},
    // 16
    {.question_text = u"Which of the following is a characteristic of the native VLAN on an IEEE 802.1Q "
                      u"trunk link?",
     .explanation = u"A trunk port places every untagged frame it receives into its native VLAN. By "
                    u"default that is VLAN 1; a native VLAN mismatch between the two ends leaks traffic "
                    u"between VLANs.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Its frames carry a 4-byte tag holding the native VLAN ID"},
         {u"1", u"Untagged frames received on the trunk port are placed in it"},
         {u"0", u"It is VLAN 4095 by default"},
         {u"0", u"It must be VLAN 2 or higher"},
         {u"0", u"A mismatch between the two trunk ends has no effect on traffic"},
         {u"0", u"It is used only by the spanning tree protocol"},
     }}},
    // 17
    {.question_text = u"Which of the following are valid ways to route traffic between VLANs? (Choose all "
                      u"that apply)",
     .explanation = u"Inter-VLAN routing needs a Layer 3 device with an interface in each VLAN, such as a "
                    u"router with a separate physical interface on an access port in each VLAN, a router "
                    u"with one 802.1Q subinterface per VLAN on a trunk (router on a stick), or a Layer 3 "
                    u"switch with a routed VLAN interface per VLAN. The other measures route nothing.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"1", u"A router with one 802.1Q subinterface per VLAN on a single trunk link"},
         {u"0", u"Putting all access ports into the native VLAN of the trunk"},
         {u"0", u"Enabling Rapid Spanning Tree on the trunk"},
         {u"0", u"Adding more VLANs to the allowed list of the trunk"},
         {u"0", u"Raising the bridge priority of the distribution switch"},
         {u"1", u"A Layer 3 switch with a routed VLAN interface and an IP address per VLAN"},
     }}},
    // 18
    {.question_text = u"All ports of switch SW1 are in VLAN 1, and its MAC address table has no entry "
                      u"for host X.\r\n"
                      u"Host Y, on port 3, sends a unicast frame to host X. What does SW1 do with this "
                      u"frame?",
     .explanation = u"An unknown unicast destination is flooded out every port in the VLAN except the one "
                    u"it arrived on; SW1 also learns host Y's MAC address on port 3. Switches do not send "
                    u"ARP requests for frames they forward.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Drops it, because the destination is unknown"},
         {u"0", u"Sends it back out port 3"},
         {u"0", u"Sends an ARP request to find host X"},
         {u"0", u"Forwards it only toward the root bridge"},
         {u"1", u"Floods it out all other ports in VLAN 1"},
     }}},
    // 19
    {.question_text = u"Four switches run IEEE 802.1D-1998 STP. S1: priority 32768, MAC "
                      u"00-00-5E-00-53-05; S2: priority 32768, MAC 00-00-5E-00-53-01; S3: priority 61440, MAC "
                      u"00-00-5E-00-53-00; S4: priority 28672, MAC 00-00-5E-00-53-09.\r\n"
                      u"Which switch becomes the root bridge?",
     .explanation = u"The lowest bridge ID wins, and the priority is compared before the MAC address. S4's "
                    u"priority of 28672 is the lowest, so S4 is root even though its MAC address is the "
                    u"highest of the four.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"S1"},
         {u"0", u"S2"},
         {u"0", u"S3"},
         {u"1", u"S4"},
         {u"0", u"S2 and S4 share the root bridge role"},
         {u"0", u"The switch with the most active ports"},
     }}},
    // 20
    {.question_text = u"Which duplex mode uses CSMA/CD to detect collisions on an Ethernet link?",
     .explanation = u"Only half-duplex stations share the medium and must sense carrier and detect "
                    u"collisions (CSMA/CD); full duplex uses separate transmit and receive paths, so "
                    u"collisions cannot occur.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Full duplex"},
         {u"1", u"Half duplex"},
     }}},
    // 21
    {.question_text = u"What is the recommended STP path cost of a 1 Gb/s link in the 16-bit cost table of "
                      u"IEEE 802.1D-1998?",
     .explanation = u"The 16-bit (short) cost table gives 100 for 10 Mb/s, 19 for 100 Mb/s, 4 for 1 Gb/s "
                    u"and 2 for 10 Gb/s; faster links get lower costs.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"100"},
         {u"0", u"19"},
         {u"0", u"2"},
         {u"1", u"4"},
         {u"0", u"1"},
         {u"0", u"10"},
     }}},
    // 22
    {.question_text = u"Switches use IEEE 802.1D-1998 STP with the short cost table (100 Mb/s = 19, 1 "
                      u"Gb/s = 4). Switch SW3 has two paths to the root bridge.\r\n"
                      u"Port 1 reaches the root directly over a 100 Mb/s link; port 2 reaches switch "
                      u"SW2 over a 1 Gb/s link, and SW2 reaches the root directly over another 1 Gb/s "
                      u"link.\r\n"
                      u"Which port becomes SW3's root port, and what is its root path cost?",
     .explanation = u"The root port has the lowest total cost to the root. Port 1 costs 19; port 2 costs 4 "
                    u"(SW3 to SW2) + 4 (SW2 to root) = 8. Port 2 wins with a root path cost of 8, even "
                    u"though it crosses an extra switch.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Port 1, root path cost 19"},
         {u"0", u"Port 1, root path cost 4"},
         {u"1", u"Port 2, root path cost 8"},
         {u"0", u"Port 2, root path cost 4"},
         {u"0", u"Port 2, root path cost 23"},
     }}},
    // 23
    {.question_text = u"A network migrates from IEEE 802.1D-1998 spanning tree to IEEE 802.1w Rapid "
                      u"Spanning Tree.\r\n"
                      u"Which port roles does 802.1w define that have no matching role in 802.1D-1998? "
                      u"(Choose Two)",
     .explanation = u"802.1w splits the old blocked (non-designated) port into the alternate role, a "
                    u"backup path to the root, and the backup role, a spare for a segment. Root and "
                    u"designated roles existed already; listening and blocking are states, not roles.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"0", u"Root"},
         {u"0", u"Designated"},
         {u"0", u"Listening"},
         {u"1", u"Alternate"},
         {u"0", u"Blocking"},
         {u"1", u"Backup"},
     }}},
    // 24
    {.question_text = u"IEEE 802.1w Rapid Spanning Tree reduces the number of port states used by IEEE "
                      u"802.1D-1998.\r\n"
                      u"Which of the following are port states in 802.1w? (Check all that apply)",
     .explanation = u"802.1w has three port states: discarding, learning and forwarding. The "
                    u"802.1D-1998 disabled, blocking and listening states all map to discarding.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"1", u"Discarding"},
         {u"0", u"Listening"},
         {u"0", u"Blocking"},
         {u"1", u"Learning"},
         {u"1", u"Forwarding"},
     }}},
    // 25
    {.question_text = u"Which of the following are carried in an IEEE 802.1D configuration BPDU? (Choose "
                      u"all that apply)",
     .explanation = u"A configuration BPDU carries the root bridge ID, the sender's root path cost, the "
                    u"sender's bridge ID and port ID, and the timers. BPDUs are Layer 2 messages without "
                    u"IP addresses and never carry MAC tables.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"0", u"The IP address of the sending switch"},
         {u"1", u"The bridge ID of the root bridge"},
         {u"1", u"The root path cost of the sending switch"},
         {u"1", u"The bridge ID of the sending switch"},
         {u"0", u"The MAC address table of the sending switch"},
     }}},
    // 26
    {.question_text = u"A link comes up on an IEEE 802.1D-1998 STP switch port that will become a "
                      u"designated port.\r\n"
                      u"With default timers, how long does the port spend in the listening and learning "
                      u"states before forwarding?",
     .explanation = u"Each of listening and learning lasts one forward delay, 15 seconds by default, so "
                    u"the port waits 30 seconds. The 20-second max age applies only when a lost BPDU must "
                    u"first expire (50 s in total).",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"2 seconds"},
         {u"0", u"15 seconds"},
         {u"0", u"20 seconds"},
         {u"1", u"30 seconds"},
         {u"0", u"50 seconds"},
     }}},
    // 27
    {.question_text = u"What is the default bridge priority of a switch running IEEE 802.1D or 802.1w "
                      u"spanning tree?",
     .explanation = u"The default bridge priority is 32768, the middle of the 0 to 65535 range; with the "
                    u"4-bit priority of newer editions, values are set in steps of 4096.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"0"},
         {u"0", u"4096"},
         {u"1", u"32768"},
         {u"0", u"65535"},
         {u"0", u"61440"},
     }}},
    // 28
    {.question_text = u"What is the maximum segment length of a 1000BASE-T link over Category 5e "
                      u"twisted-pair cable?",
     .explanation = u"Like 10BASE-T and 100BASE-TX, 1000BASE-T allows 100 meters per twisted-pair channel, "
                    u"usually 90 m of permanent cabling plus patch cords.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"55 m"},
         {u"0", u"185 m"},
         {u"1", u"100 m"},
         {u"0", u"500 m"},
         {u"0", u"2 km"},
     }}},
    // 29
    {.question_text = u"A technician links two PCs directly by their 100BASE-TX network cards; neither "
                      u"card supports Auto-MDIX.\r\n"
                      u"Which type of cable is needed?",
     .explanation = u"Both network cards have MDI ports, and MDI to MDI needs a crossover cable so that "
                    u"each transmit pair meets the other end's receive pair. A straight-through cable "
                    u"joins an MDI port to an MDI-X port, such as a PC to a switch; a rollover cable is "
                    u"a console cable.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Straight-through"},
         {u"0", u"Rollover"},
         {u"1", u"Crossover"},
     }}},
    // 30
    {.question_text = u"Hosts H1 and H2 are in VLAN 30 and the same subnet, on two switches joined by "
                      u"an IEEE 802.1Q trunk.\r\n"
                      u"H1 reaches hosts on its own switch but not H2, while hosts in VLAN 20 talk "
                      u"across the same trunk without trouble.\r\n"
                      u"What is the most likely cause?",
     .explanation = u"Since VLAN 20 crosses the trunk, the trunk works; the fault affects VLAN 30 alone. A "
                    u"trunk only forwards the VLANs in its allowed list, so VLAN 30 is most likely missing "
                    u"from that list.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Both switches use the default bridge priority"},
         {u"0", u"The trunk runs at full duplex"},
         {u"0", u"H1 and H2 share the same IPv4 subnet"},
         {u"0", u"The native VLAN is VLAN 1 on both ends"},
         {u"1", u"VLAN 30 is not in the allowed VLAN list of the trunk"},
         {u"0", u"The switches have learned the MAC address of H1"},
     }}},
    // 31
    {.question_text = u"A switch receives a frame whose destination MAC address is 01-00-5E-00-00-05.\r\n"
                      u"The least significant bit of the first octet of that address is 1.\r\n"
                      u"What type of destination address is this?",
     .explanation = u"When the lowest bit of the first octet (the I/G bit) is 1, the address is a group "
                    u"(multicast) address; 01-00-5E marks IPv4 multicast. Broadcast is only "
                    u"FF-FF-FF-FF-FF-FF.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Unicast"},
         {u"0", u"Broadcast"},
         {u"0", u"Locally administered unicast"},
         {u"1", u"Multicast"},
     }}},
    // 32
    {.question_text = u"An administrator sorts devices and protocols by the OSI layer at which they "
                      u"mainly work.\r\n"
                      u"Which of the following work at Layer 2, the data link layer? (Choose all that "
                      u"apply)",
     .explanation = u"Bridges forward by MAC address, 802.1Q tags are inserted into Ethernet frames, and "
                    u"STP runs between bridges with BPDUs: all Layer 2. IP routing is Layer 3, a hub is "
                    u"Layer 1 and TCP is Layer 4.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"1", u"A transparent bridge"},
         {u"0", u"IP routing"},
         {u"1", u"IEEE 802.1Q VLAN tagging"},
         {u"0", u"A hub"},
         {u"0", u"TCP"},
         {u"1", u"Spanning Tree Protocol (IEEE 802.1D-1998)"},
     }}},
    // 33
    {.question_text = u"Host PC1 (10.1.1.10/24, default gateway 10.1.1.1) sends a packet to server SRV "
                      u"(10.2.2.20/24) through router R1.\r\n"
                      u"A capture is taken on PC1's link as the frame leaves PC1.\r\n"
                      u"Which destination addresses does the captured frame carry?",
     .explanation = u"SRV is on another subnet, so PC1 addresses the IP packet to SRV but puts it in a "
                    u"frame addressed to the MAC of its gateway, R1's interface 10.1.1.1. Where no NAT is "
                    u"on the path, the IP addresses stay the same end to end; the MAC addresses change at "
                    u"every hop.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"IP address of SRV, MAC address of SRV"},
         {u"0", u"IP address of R1, MAC address of R1"},
         {u"1", u"IP address of SRV, MAC address of R1's interface on PC1's subnet"},
         {u"0", u"IP address of R1, MAC address of SRV"},
         {u"0", u"IP address of SRV, broadcast MAC address FF-FF-FF-FF-FF-FF"},
     }}},
    // 34
    {.question_text = u"Which of the following are functions of the OSI transport layer?",
     .explanation = u"The transport layer segments data, identifies applications by port numbers, controls "
                    u"flow between hosts and, with TCP, delivers reliably with acknowledgments and "
                    u"retransmission. Logical addressing is Layer 3; MAC addressing is Layer 2.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"1", u"Segmenting application data"},
         {u"1", u"Identifying applications by port number"},
         {u"1", u"Flow control between the end hosts"},
         {u"0", u"Logical addressing and path selection between networks"},
         {u"0", u"Physical addressing with MAC addresses"},
         {u"1", u"Reliable delivery with acknowledgments and retransmission"},
     }}},
    // 35
    {.question_text = u"What is the minimum size of an untagged Ethernet frame, counted from the "
                      u"destination MAC address through the FCS?",
     .explanation = u"6 (destination) + 6 (source) + 2 (EtherType) + 46 (minimum payload) + 4 (FCS) = 64 "
                    u"bytes; shorter frames are runts. The preamble is not counted.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"46 bytes"},
         {u"1", u"64 bytes"},
         {u"0", u"1500 bytes"},
         {u"0", u"1518 bytes"},
         {u"0", u"128 bytes"},
         {u"0", u"60 bytes"},
     }}},
    // 36
    {.question_text = u"A small office replaces its hubs with Layer 2 switches that support VLANs.\r\n"
                      u"Choose all the benefits that this change brings.",
     .explanation = u"A hub is one shared collision domain at one speed. A switch gives each port its own "
                    u"collision domain, allows full duplex and mixed speeds, sends known unicast frames "
                    u"only to the right port and can split ports into VLANs.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"1", u"Each port becomes its own collision domain"},
         {u"1", u"Ports connected to single hosts can run at full duplex"},
         {u"1", u"Known unicast frames go only out the port where the destination was learned"},
         {u"1", u"Ports can be grouped into separate VLANs (broadcast domains)"},
         {u"1", u"Different ports can run at different speeds, such as 100 Mb/s and 1 Gb/s"},
     }}},
    // 37
    {.question_text = u"Which of the following are true of the IEEE 802.1D-1998 Spanning Tree Protocol? "
                      u"(Choose all that apply)",
     .explanation = u"STP elects the lowest bridge ID as root via BPDUs; every other bridge picks one root "
                    u"port, each segment gets one designated port, and any remaining redundant port blocks "
                    u"to break loops.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"1", u"It prevents Layer 2 loops by placing redundant ports in the blocking state"},
         {u"1", u"The switch with the lowest bridge ID becomes the root bridge"},
         {u"1", u"Switches exchange BPDUs to build the loop-free topology"},
         {u"1", u"Every non-root bridge selects exactly one root port"},
         {u"1", u"Each network segment has one designated port"},
     }}},
    // 38
    {.question_text = u"Which Ethernet standard provides 10 Gb/s over multimode fiber using "
                      u"short-wavelength lasers?",
     .explanation = u"10GBASE-SR uses short-wavelength (S, 850 nm) optics on multimode fiber. 10GBASE-LR "
                    u"uses long-wavelength (L, 1310 nm) optics on single-mode fiber, 10GBASE-T uses twisted "
                    u"pair, and the others run at 100 Mb/s or 1 Gb/s.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"10GBASE-T"},
         {u"1", u"10GBASE-SR"},
         {u"0", u"1000BASE-LX"},
         {u"0", u"100BASE-FX"},
         {u"0", u"10GBASE-LR"},
         {u"0", u"1000BASE-SX"},
     }}},
    // 39
    {.question_text = u"Which of the following can result from a Layer 2 loop when spanning tree is "
                      u"disabled? (Check all that apply)",
     .explanation = u"Ethernet frames have no TTL or hop count, so in a loop broadcasts circulate "
                    u"endlessly (a broadcast storm), switches keep relearning MACs on different ports and "
                    u"hosts get duplicate frames.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"1", u"Broadcast storms"},
         {u"1", u"Unstable MAC address tables, with addresses moving between ports"},
         {u"0", u"Frames being discarded when their TTL reaches zero"},
         {u"1", u"Hosts receiving several copies of the same frame"},
         {u"0", u"Switches dropping looping frames once a hop count passes 15"},
     }}},
    // 40
    {.question_text = u"Non-root switches SW2 and SW3, running IEEE 802.1D-1998 STP, share one segment, "
                      u"and both advertise a root path cost of 19 on it.\r\n"
                      u"SW2 has priority 32768 and MAC 00-00-5E-00-53-22; SW3 has priority 32768 and "
                      u"MAC 00-00-5E-00-53-33.\r\n"
                      u"Which port on that segment becomes the designated port?",
     .explanation = u"With equal root path costs, the lower sender bridge ID wins. The priorities tie, so "
                    u"the lower MAC address decides: SW2's port becomes designated, and SW3's port blocks.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"SW3's port, because SW3 has the higher MAC address"},
         {u"0", u"Both ports, because their root path costs are equal"},
         {u"1", u"SW2's port, because SW2 has the lower bridge ID"},
         {u"0", u"Neither port, because the segment is disabled"},
         {u"0", u"SW3's port, because SW3 was powered on last"},
     }}},
    // 41
    {.question_text = u"Which statements about the organizationally unique identifier (OUI) in a MAC "
                      u"address are true? (Choose Two)",
     .explanation = u"The OUI is the first 24 bits (three octets) of a 48-bit MAC address, assigned by the "
                    u"IEEE to an organization, usually the maker of the interface; the rest is numbered by "
                    u"that organization.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"It makes up the last 24 bits of the address"},
         {u"1", u"It makes up the first 24 bits (three octets) of the address"},
         {u"0", u"It identifies the VLAN of the frame"},
         {u"0", u"It is handed out by the DHCP server"},
         {u"1", u"It is assigned by the IEEE to an organization, usually the interface maker"},
         {u"0", u"It is 16 bits long"},
     }}},
    // 42
    {.question_text = u"A router routes between VLAN 10 (192.168.10.0/24) and VLAN 20 "
                      u"(192.168.20.0/24) using one 802.1Q subinterface per VLAN on a single link.\r\n"
                      u"How must the switch port facing the router be configured?",
     .explanation = u"Router on a stick needs frames of both VLANs on one link, told apart by 802.1Q tags, "
                    u"so the switch port must be a trunk carrying VLANs 10 and 20. An access port carries "
                    u"just one VLAN.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"As an access port in VLAN 10"},
         {u"0", u"As an access port in VLAN 20"},
         {u"0", u"As an access port in the native VLAN"},
         {u"0", u"As a half-duplex port"},
         {u"1", u"As an IEEE 802.1Q trunk carrying VLANs 10 and 20"},
         {u"0", u"As a mirror port that copies all traffic"},
     }}},
    // 43
    {.question_text = u"Which connector is fitted to the ends of Category 6 unshielded twisted-pair "
                      u"Ethernet cables?",
     .explanation = u"Twisted-pair Ethernet uses the eight-pin RJ-45 (8P8C) modular plug. RJ-11 is a "
                    u"smaller telephone plug, LC and SC are fiber connectors, BNC is for coaxial cable and "
                    u"DB-9 is a serial connector.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"1", u"RJ-45 (8P8C modular plug)"},
         {u"0", u"RJ-11"},
         {u"0", u"LC"},
         {u"0", u"SC"},
         {u"0", u"BNC"},
         {u"0", u"DB-9"},
     }}},
    // 44
    {.question_text = u"Which device regenerates signals and repeats every incoming bit out all its other "
                      u"ports?",
     .explanation = u"A hub is a multiport repeater working at Layer 1: it repeats bits out every other "
                    u"port without reading addresses. Switches and bridges forward by MAC address; routers "
                    u"forward by IP address.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Switch"},
         {u"1", u"Hub"},
         {u"0", u"Router"},
         {u"0", u"Bridge"},
         {u"0", u"Firewall"},
         {u"0", u"Layer 3 switch"},
     }}},
    // 45
    {.question_text = u"Data encryption, compression and character-set translation belong to which OSI "
                      u"layer?",
     .explanation = u"The presentation layer (Layer 6) deals with how data is represented: encoding, "
                    u"character sets, compression and encryption. The session layer manages dialogs; the "
                    u"application layer serves programs.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Session"},
         {u"0", u"Application"},
         {u"1", u"Presentation"},
         {u"0", u"Transport"},
         {u"0", u"Data link"},
     }}},
    // 46
    {.question_text = u"An access port that connects only to a single end host is configured as an "
                      u"edge port in IEEE 802.1w Rapid Spanning Tree.\r\n"
                      u"What effect does this have?",
     .explanation = u"An edge port goes straight to forwarding when its link comes up, skipping the "
                    u"discarding and learning wait. If it receives a BPDU it loses edge status and takes "
                    u"part in spanning tree normally.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"It ignores any BPDUs it receives and always stays an edge port"},
         {u"1", u"It moves straight to forwarding when its link comes up"},
         {u"0", u"It becomes the root port of the switch"},
         {u"0", u"It stops learning MAC addresses"},
         {u"0", u"It becomes an 802.1Q trunk"},
         {u"0", u"Its path cost becomes zero"},
     }}},
    // 47
    {.question_text = u"Switch SW4 has two links to the root bridge SW1. SW4's ports 1 and 2 have equal "
                      u"path costs and receive BPDUs with equal root path costs and the same sender "
                      u"bridge ID.\r\n"
                      u"What decides which of these ports becomes SW4's root port?",
     .explanation = u"The tie-breakers run: lowest root path cost (the BPDU's cost plus the receiving "
                    u"port's own path cost), lowest sender bridge ID, then lowest sender port ID (port "
                    u"priority and number of SW1's sending port); only if that ties does SW4's own port "
                    u"ID decide.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"The higher MAC address of SW4's two ports"},
         {u"1", u"The lower sender port ID, that is, the port priority and number of SW1's sending port"},
         {u"0", u"Which port's link came up first"},
         {u"0", u"The higher port number on SW4"},
         {u"0", u"Both ports become root ports and share the load"},
         {u"0", u"The lower VLAN ID configured on each port"},
     }}},
    // 48
    {.question_text = u"Two buildings 3 km apart must be joined by a 1 Gb/s Ethernet link using IEEE "
                      u"802.3 optics.\r\n"
                      u"Which components should be chosen? (Choose Two)",
     .explanation = u"1000BASE-LX on single-mode fiber reaches 5 km, enough for 3 km. 1000BASE-SX on "
                    u"multimode reaches only a few hundred meters, and 1000BASE-T over twisted pair only "
                    u"100 m.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"0", u"Multimode fiber"},
         {u"1", u"Single-mode fiber"},
         {u"0", u"1000BASE-SX transceivers"},
         {u"1", u"1000BASE-LX transceivers"},
         {u"0", u"Category 6 twisted pair"},
         {u"0", u"1000BASE-T transceivers"},
     }}},
    // 49
    {.question_text = u"Which of the following are true of full-duplex Ethernet operation?",
     .explanation = u"Full duplex needs a point-to-point link with separate send and receive paths: both "
                    u"ends send at once at the full rate, no collisions occur, CSMA/CD is turned off, and "
                    u"IEEE 802.3x pause frames can provide flow control.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"1", u"Both ends can transmit at the same time"},
         {u"1", u"CSMA/CD collision detection is turned off"},
         {u"1", u"No collisions occur on the link"},
         {u"1", u"It needs a point-to-point link, such as a switch port to a host"},
         {u"1", u"Each direction can use the full link rate at the same time"},
         {u"1", u"IEEE 802.3x pause frames can be used for flow control"},
     }}},
    // 50
    {.question_text = u"A switch port is an access port in VLAN 40. The host attached to it sends an "
                      u"ARP request to the broadcast MAC address.\r\n"
                      u"Where does the switch send this broadcast frame?",
     .explanation = u"A broadcast is flooded only within its VLAN: out every other port in VLAN 40, "
                    u"including trunks that carry VLAN 40, but never back out the incoming port or into "
                    u"other VLANs.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Out every port of the switch, in all VLANs"},
         {u"1", u"Out all other ports in VLAN 40, including trunks that carry VLAN 40"},
         {u"0", u"Only to the port of the default gateway"},
         {u"0", u"Only out the trunk ports"},
         {u"0", u"Nowhere, because switches drop broadcast frames"},
         {u"0", u"Back out the incoming port and all other VLAN 40 ports"},
     }}},
}};

}  // namespace bank
// clang-format on
