#include "bank/question_source.h"

// Slots 51 to 100 of the question bank: IPv4 addressing and subnetting, IPv6 addressing and
// routing, ARP and ICMP, Power over Ethernet, QoS, link aggregation, first-hop redundancy and
// software-defined networking.
// The content keeps one question per block, laid out by hand.
// clang-format off
namespace bank {

const QuestionBlock kQuestions051To100 = {{
    // 51
    {.question_text = u"A host is configured with the address 172.16.45.130/26.\r\n"
                      u"What is the network address of the subnet the host belongs to?",
     .explanation = u"A /26 mask (255.255.255.192) makes blocks of 64 in the last octet: 0, 64, 128, "
                    u"192. 130 falls in the block that starts at 128, so the network is 172.16.45.128.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"172.16.45.0"},
         {u"0", u"172.16.45.64"},
         {u"1", u"172.16.45.128"},
         {u"0", u"172.16.45.192"},
         {u"0", u"172.16.45.130"},
         {u"0", u"172.16.0.0"},
     }}},
    // 52
    {.question_text = u"A router answers ARP requests for addresses of hosts on another network, "
                      u"replying with its own MAC address.\r\n"
                      u"What is this behavior called?",
     .explanation = u"With proxy ARP the router replies on behalf of the remote hosts, so the sender "
                    u"hands those frames to the router, which then routes the packets onward.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Gratuitous ARP"},
         {u"0", u"Reverse ARP"},
         {u"1", u"Proxy ARP"},
     }}},
    // 53
    {.question_text = u"An address block is allocated as 10.20.32.0/19.\r\n"
                      u"What is the directed broadcast address of this subnet?",
     .explanation = u"A /19 leaves 13 host bits; the third octet moves in blocks of 32 (here 32 to "
                    u"63), so the last address, with all host bits set, is 10.20.63.255.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"10.20.32.255"},
         {u"0", u"10.20.255.255"},
         {u"0", u"10.20.47.255"},
         {u"1", u"10.20.63.255"},
         {u"0", u"10.20.64.255"},
     }}},
    // 54
    {.question_text = u"How much power can an IEEE 802.3at (Type 2) PSE supply at each of its ports, "
                      u"measured at the PSE's output, before cable loss?",
     .explanation = u"A Type 2 PSE delivers 30 W per port at its output, of which 25.5 W is assured at the "
                    u"powered device after worst-case cable loss; Type 1 (802.3af) gives 15.4 W at the PSE "
                    u"and 12.95 W at the device, and 60 W and 90 W are the PSE outputs of 802.3bt Types 3 "
                    u"and 4.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"15.4 W"},
         {u"0", u"25.5 W"},
         {u"0", u"60 W"},
         {u"0", u"90 W"},
         {u"1", u"30 W"},
         {u"0", u"12.95 W"},
     }}},
    // 55
    {.question_text = u"The address 172.32.10.5 lies within one of the RFC 1918 private IPv4 address "
                      u"ranges.",
     .explanation = u"False. The private block 172.16.0.0/12 runs only from 172.16.0.0 to "
                    u"172.31.255.255.\r\n"
                    u"172.32.10.5 lies just past its end, so it is a public address; the other "
                    u"private blocks are 10.0.0.0/8 and 192.168.0.0/16.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"True"},
         {u"1", u"False"},
     }}},
    // 56
    {.question_text = u"Which dotted-decimal subnet mask is equivalent to the prefix length /21?",
     .explanation = u"21 one-bits fill the first two octets (16 bits) plus 5 bits of the third: "
                    u"11111000 in binary is 248, giving 255.255.248.0.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"255.255.240.0"},
         {u"1", u"255.255.248.0"},
         {u"0", u"255.255.252.0"},
         {u"0", u"255.255.255.248"},
         {u"0", u"255.248.0.0"},
         {u"0", u"255.255.224.0"},
     }}},
    // 57
    {.question_text = u"An engineer must record the IPv6 address "
                      u"2001:0db8:0000:0000:0000:ff00:0042:8329 in its shortest valid form.\r\n"
                      u"Which of the following is that form?",
     .explanation = u"Leading zeros in a group may be dropped (0042 -> 42) but trailing zeros may not "
                    u"(ff00 stays), and one run of all-zero groups becomes ::, giving "
                    u"2001:db8::ff00:42:8329.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"2001:db8:ff00:42:8329"},
         {u"0", u"2001:db8::ff:42:8329"},
         {u"1", u"2001:db8::ff00:42:8329"},
     }}},
    // 58
    {.question_text = u"Which DSCP marking is normally given to the packets that carry voice payload?",
     .explanation = u"Voice payload is marked Expedited Forwarding, EF, DSCP 46 (binary 101110), for low "
                    u"delay and jitter; AF41 (34) usually marks interactive video, CS6 (48) network control, "
                    u"and 0 is best effort.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"AF41 (decimal 34)"},
         {u"1", u"EF (decimal 46)"},
         {u"0", u"CS3 (decimal 24)"},
         {u"0", u"CS6 (decimal 48)"},
         {u"0", u"Default, CS0 (decimal 0)"},
         {u"0", u"AF11 (decimal 10)"},
     }}},
    // 59
    {.question_text = u"A router has the networks 10.1.4.0/24, 10.1.5.0/24, 10.1.6.0/24 and "
                      u"10.1.7.0/24 behind it.\r\n"
                      u"Which single summary route covers exactly these four networks and nothing "
                      u"else?",
     .explanation = u"The third octets 4 to 7 (00000100 to 00000111) share their first 6 bits, so 16 "
                    u"+ 6 = 22 bits are common: 10.1.4.0/22 spans 10.1.4.0 to 10.1.7.255.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"10.1.0.0/21"},
         {u"1", u"10.1.4.0/22"},
         {u"0", u"10.1.4.0/23"},
         {u"0", u"10.1.4.0/24"},
         {u"0", u"10.1.0.0/16"},
         {u"0", u"10.0.0.0/8"},
     }}},
    // 60
    {.question_text = u"How does an IPv4 host learn the MAC address that belongs to another IPv4 "
                      u"address on its own subnet?",
     .explanation = u"ARP requests go to the broadcast MAC address ff:ff:ff:ff:ff:ff; only the host "
                    u"that owns the target IPv4 address answers, with a unicast ARP reply.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"1", u"It broadcasts an ARP request and waits for the owner's ARP reply"},
         {u"0", u"It sends an ICMP echo request to the target and reads the reply"},
         {u"0", u"It asks the DNS server to resolve the IPv4 address"},
         {u"0", u"It sends a DHCP discover message naming the target address"},
         {u"0", u"It derives the MAC address from the host part of the IPv4 address"},
         {u"0", u"It unicasts an ARP reply to the default gateway"},
     }}},
    // 61
    {.question_text = u"Which ICMP message does the ping utility send to test whether a destination "
                      u"is reachable?",
     .explanation = u"Ping sends ICMP echo requests (type 8); a reachable destination answers each "
                    u"one with an echo reply (type 0).",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Echo reply (type 0)"},
         {u"0", u"Destination unreachable (type 3)"},
         {u"1", u"Echo request (type 8)"},
         {u"0", u"Time exceeded (type 11)"},
         {u"0", u"Redirect (type 5)"},
     }}},
    // 62
    {.question_text = u"An administrator uses VLSM to divide 192.168.50.0/24, and the largest LAN "
                      u"needs 100 host addresses.\r\n"
                      u"Which prefix length gives that LAN the smallest subnet that still fits?",
     .explanation = u"A /26 gives only 62 usable hosts, too few; a /25 gives 2^7 - 2 = 126, enough "
                    u"for 100.\r\n"
                    u"Allocating the largest subnets first keeps the remaining space in clean, "
                    u"aligned blocks.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"/24"},
         {u"1", u"/25"},
         {u"0", u"/26"},
         {u"0", u"/27"},
         {u"0", u"/23"},
         {u"0", u"/28"},
     }}},
    // 63
    {.question_text = u"An interface shows the IPv6 address fe80::1a2b:3cff:fe4d:5e6f.\r\n"
                      u"What type of IPv6 address is this?",
     .explanation = u"Addresses in fe80::/10 are link-local: every IPv6 interface has one, and "
                    u"routers do not forward packets to or from them onto other links.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Global unicast"},
         {u"0", u"Unique local unicast"},
         {u"0", u"Multicast"},
         {u"0", u"Loopback"},
         {u"0", u"IPv4-mapped"},
         {u"1", u"Link-local unicast"},
     }}},
    // 64
    {.question_text = u"Which of the following IPv4 addresses fall within the RFC 1918 private "
                      u"address ranges? (Choose Three)",
     .explanation = u"The private ranges are 10.0.0.0/8, 172.16.0.0/12 (172.16 to 172.31) and "
                    u"192.168.0.0/16; 172.15, 192.169 and 11 lie just outside them.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"1", u"10.255.0.1"},
         {u"0", u"172.15.8.8"},
         {u"0", u"192.169.1.1"},
         {u"0", u"11.0.0.1"},
         {u"1", u"172.20.14.3"},
         {u"1", u"192.168.200.9"},
     }}},
    // 65
    {.question_text = u"Which of the following are functions performed by the IPv6 Neighbor Discovery "
                      u"protocol?",
     .explanation = u"Neighbor Discovery (ICMPv6) replaces ARP, finds routers and prefixes and runs "
                    u"duplicate address detection; leases come from DHCPv6, names from DNS, and IPv6 "
                    u"has no broadcast.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"1", u"Resolving a neighbor's link-layer address from its IPv6 address"},
         {u"1", u"Discovering on-link routers and prefixes through router advertisements"},
         {u"0", u"Leasing addresses from a central server that records every assignment"},
         {u"0", u"Translating host names into IPv6 addresses"},
         {u"0", u"Sending broadcast frames to all hosts on the link"},
         {u"1", u"Detecting whether an address is already in use before assigning it"},
     }}},
    // 66
    {.question_text = u"Which modified EUI-64 interface identifier (RFC 4291) is formed from the MAC "
                      u"address 00:1A:2B:3C:4D:5E?",
     .explanation = u"The MAC is split into 001a2b and 3c4d5e, fffe is inserted between the halves, "
                    u"and the universal/local bit (0x02 of the first byte) is inverted, so 00 becomes "
                    u"02. RFC 8064 recommends that hosts use stable opaque IDs (RFC 7217) by default "
                    u"instead, which do not reveal the MAC, but many systems and most routers still form "
                    u"modified EUI-64 IDs, for link-local addresses especially.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"1", u"021a:2bff:fe3c:4d5e"},
         {u"0", u"001a:2bff:fe3c:4d5e"},
         {u"0", u"021a:2bfe:ff3c:4d5e"},
         {u"0", u"001a:2bfe:ff3c:4d5e"},
         {u"0", u"021a:fffe:2b3c:4d5e"},
         {u"0", u"021a:2b3c:4d5e:fffe"},
     }}},
    // 67
    {.question_text = u"Which ICMP message does a router return to the source when it discards a "
                      u"packet whose TTL has reached zero?",
     .explanation = u"Each router decrements the TTL; when it reaches zero the packet is dropped and "
                    u"an ICMP time exceeded message (type 11) goes back to the sender.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Destination unreachable"},
         {u"0", u"Redirect"},
         {u"0", u"Echo reply"},
         {u"1", u"Time exceeded"},
     }}},
    // 68
    {.question_text = u"An edge router must send every IPv6 packet that matches no more specific route to "
                      u"its upstream provider.\r\n"
                      u"Which destination prefix should that static default route have?",
     .explanation = u"The IPv6 default route is ::/0, a zero-length prefix that matches every address; "
                    u"::/128 is the unspecified address, ::1/128 the loopback, 0.0.0.0/0 the IPv4 default, "
                    u"and fe80::/10 and ff00::/8 are link-local and multicast.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"0.0.0.0/0"},
         {u"1", u"::/0"},
         {u"0", u"::/128"},
         {u"0", u"::1/128"},
         {u"0", u"fe80::/10"},
         {u"0", u"ff00::/8"},
     }}},
    // 69
    {.question_text = u"A host is configured as 10.0.0.10/24 with the default gateway 10.0.1.1.\r\n"
                      u"It can ping every host on 10.0.0.0/24 but no address on any other network.\r\n"
                      u"What is the most likely cause?",
     .explanation = u"10.0.1.1 is not inside 10.0.0.0/24, so the host normally treats it as off-link and "
                    u"cannot use it as its next hop; the gateway should be an address on the host's own "
                    u"subnet, such as 10.0.0.1.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"The DNS server address on the host is wrong"},
         {u"0", u"The host's ARP cache holds too many entries"},
         {u"0", u"The subnet uses a private address range"},
         {u"1", u"The default gateway address is outside the host's own subnet"},
         {u"0", u"The host needs a /25 mask to reach remote networks"},
         {u"0", u"The host's MAC address is duplicated on the LAN"},
     }}},
    // 70
    {.question_text = u"Which IPv6 prefix is reserved for unique local unicast addresses?",
     .explanation = u"Unique local addresses use fc00::/7 (in practice fd00::/8); they are routed "
                    u"within a site but not on the public internet, much like the IPv4 private ranges.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"fe80::/10"},
         {u"0", u"ff00::/8"},
         {u"0", u"2000::/3"},
         {u"0", u"::1/128"},
         {u"1", u"fc00::/7"},
     }}},
    // 71
    {.question_text = u"How many bits make up an IPv6 address?",
     .explanation = u"An IPv6 address has 128 bits, written as eight groups (16 bits each) of one to "
                    u"four hexadecimal digits separated by colons; leading zeros in a group may be "
                    u"left out.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"32"},
         {u"0", u"64"},
         {u"1", u"128"},
         {u"0", u"48"},
         {u"0", u"256"},
     }}},
    // 72
    {.question_text = u"A site is assigned the IPv6 prefix 2001:db8:abcd::/48 and uses /64 subnets on "
                      u"all its LANs.\r\n"
                      u"How many /64 subnets can the site create from its prefix?",
     .explanation = u"The bits between /48 and /64 form the subnet ID: 16 bits give 2^16 = 65,536 "
                    u"subnets, and IPv6 reserves no subnet numbers, so none are subtracted.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"256"},
         {u"0", u"4,096"},
         {u"0", u"16"},
         {u"1", u"65,536"},
         {u"0", u"16,777,216"},
         {u"0", u"65,534"},
     }}},
    // 73
    {.question_text = u"Two switches are joined by an LACP (IEEE 802.1AX) bundle of four 1 Gb/s links.\r\n"
                      u"What is the highest throughput a single TCP session between two hosts can reach "
                      u"across the bundle?",
     .explanation = u"A bundle hashes each flow (on its addresses and ports, for example) onto one member "
                    u"link to keep its frames in order, so one session tops out at 1 Gb/s; many flows "
                    u"together can use all 4 Gb/s, and no frame is split or sent round-robin.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"About 4 Gb/s, because frames are sent round-robin across all four member links"},
         {u"1", u"About 1 Gb/s, because every frame of one flow is hashed onto the same member link"},
         {u"0", u"About 2 Gb/s, because the bundle pairs its links, one pair for each direction"},
         {u"0", u"About 4 Gb/s, because each frame is sent on whichever member link is least busy"},
         {u"0", u"About 3 Gb/s, because LACP holds one member link in standby as a spare"},
         {u"0", u"About 4 Gb/s, because each frame is split into pieces sent on all links at once"},
     }}},
    // 74
    {.question_text = u"Which of the following is the IPv6 loopback address?",
     .explanation = u"::1 (127 zero bits followed by a 1) is the IPv6 loopback; :: (all zeros) means "
                    u"no address at all, and 127.0.0.1 is the IPv4 loopback.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"::"},
         {u"1", u"::1"},
         {u"0", u"fe80::1"},
         {u"0", u"127.0.0.1"},
         {u"0", u"ff02::1"},
         {u"0", u"fc00::1"},
     }}},
    // 75
    {.question_text = u"A host that has just been assigned an IPv4 address sends a gratuitous ARP for that "
                      u"address.\r\n"
                      u"This message can reveal that another device on the segment already uses the "
                      u"same address.",
     .explanation = u"True. Any ARP packet from another device with that sender address, such as the "
                    u"owner's reply or the announcement with which the owner defends the address, "
                    u"reveals the conflict. RFC 5227 has hosts check before use with ARP probes (sender "
                    u"0.0.0.0), because a gratuitous ARP may already overwrite neighbors' cache "
                    u"entries.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"1", u"True"},
         {u"0", u"False"},
     }}},
    // 76
    {.question_text = u"A filter entry pairs an address with a wildcard mask, whose 1 bits mark the "
                      u"address bits that the entry ignores.\r\n"
                      u"Which pair makes it match every source address from 172.16.8.0 through "
                      u"172.16.15.255 and no other?",
     .explanation = u"The range is 8 x 256 addresses, the block 172.16.8.0/21; the inverse of its "
                    u"mask 255.255.248.0 is the wildcard 0.0.7.255.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"172.16.8.0 with wildcard 0.0.8.255"},
         {u"0", u"172.16.8.0 with wildcard 0.0.15.255"},
         {u"1", u"172.16.8.0 with wildcard 0.0.7.255"},
         {u"0", u"172.16.8.0 with wildcard 255.255.248.0"},
         {u"0", u"172.16.0.0 with wildcard 0.0.7.255"},
         {u"0", u"172.16.8.0 with wildcard 0.0.3.255"},
     }}},
    // 77
    {.question_text = u"Which statements about the ARP cache of an IPv4 host are true? (Choose Two)",
     .explanation = u"The cache maps on-link IPv4 addresses to MAC addresses; dynamic entries time "
                    u"out unless refreshed (even while in use), static ones stay, and remote hosts are "
                    u"reached through the gateway's entry.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"0", u"It stores the MAC addresses of remote hosts reached through a router"},
         {u"0", u"Its entries are filled in by the DNS server"},
         {u"0", u"One shared cache is kept by the switch for all hosts on the subnet"},
         {u"1", u"Dynamic entries age out unless they are refreshed"},
         {u"1", u"Each entry maps an IPv4 address on the local link to a MAC address"},
         {u"0", u"Static entries expire after the same timeout as dynamic ones"},
     }}},
    // 78
    {.question_text = u"An IPv6 host needs the link-layer address of a neighbor on its link.\r\n"
                      u"It finds it by broadcasting an ARP request to every host on the link.",
     .explanation = u"False. IPv6 has neither ARP nor broadcast: the host sends an ICMPv6 Neighbor "
                    u"Solicitation to the target's solicited-node multicast address.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"True"},
         {u"1", u"False"},
     }}},
    // 79
    {.question_text = u"To which solicited-node multicast address is a Neighbor Solicitation for the "
                      u"target 2001:db8::1:2345:6789 sent?",
     .explanation = u"The solicited-node address is the prefix ff02::1:ff00:0/104 followed by the low "
                    u"24 bits of the target, here 45:6789, giving ff02::1:ff45:6789.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"ff02::1"},
         {u"0", u"ff02::2"},
         {u"0", u"ff02::1:ff23:4567"},
         {u"1", u"ff02::1:ff45:6789"},
         {u"0", u"ff05::1:ff45:6789"},
     }}},
    // 80
    {.question_text = u"An engineer summarizes the networks 192.168.16.0/24 through 192.168.23.0/24 "
                      u"as 192.168.16.0/20.\r\n"
                      u"This summary covers exactly those eight networks and no other addresses.",
     .explanation = u"False. The eight networks share their first 21 bits (third octets 16 to 23 are "
                    u"00010000 to 00010111), so the exact summary is 192.168.16.0/21, mask "
                    u"255.255.248.0.\r\n"
                    u"A /20 spans 192.168.16.0 to 192.168.31.255, which also takes in the eight "
                    u"networks 192.168.24.0/24 to 192.168.31.0/24 outside the group.\r\n"
                    u"Advertising it may attract traffic for networks the router cannot reach, so a "
                    u"summary should be no shorter than needed.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"True"},
         {u"1", u"False"},
     }}},
    // 81
    {.question_text = u"Routers 10.1.1.2 and 10.1.1.3 run VRRP for the LAN 10.1.1.0/24, with the virtual "
                      u"address 10.1.1.1.\r\n"
                      u"Which default gateway should the hosts on the LAN be configured with?",
     .explanation = u"Hosts use the virtual address 10.1.1.1: the active router (older texts call it "
                    u"master) answers ARP for it with the virtual MAC, so a failover needs no host "
                    u"change; a real address is lost with its router, 10.1.1.255 is the LAN broadcast, and "
                    u"224.0.0.18 only carries VRRP advertisements.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"10.1.1.2, the real address of the router that is currently active"},
         {u"0", u"224.0.0.18, the multicast address the routers send VRRP advertisements to"},
         {u"0", u"10.1.1.2 on half of the hosts and 10.1.1.3 on the rest, to share the load"},
         {u"1", u"10.1.1.1, the virtual address shared by the two routers"},
         {u"0", u"10.1.1.255, so that whichever router is active receives the packets"},
     }}},
    // 82
    {.question_text = u"A colleague describes how the ping utility reaches its target.\r\n"
                      u"The colleague says its echo requests travel inside UDP datagrams sent to a "
                      u"well-known port number.",
     .explanation = u"False. ICMP is carried directly in IP (protocol number 1) and has no port "
                    u"numbers; echo request and echo reply are ICMP types 8 and 0, and a reply is matched "
                    u"to its request by the identifier and sequence number.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"True"},
         {u"1", u"False"},
     }}},
    // 83
    {.question_text = u"In classful addressing, which range of first-octet values identifies a Class "
                      u"B address?",
     .explanation = u"Class B addresses begin with the bits 10, so the first octet runs from 128 "
                    u"(10000000) to 191 (10111111); the default mask is 255.255.0.0.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"1 to 126"},
         {u"0", u"192 to 223"},
         {u"0", u"224 to 239"},
         {u"1", u"128 to 191"},
         {u"0", u"240 to 255"},
     }}},
    // 84
    {.question_text = u"From 10.5.0.0/24 an administrator allocates, each from the lowest free "
                      u"address, a /25 for LAN A, then a /26 for LAN B, then a /27 for LAN C.\r\n"
                      u"What is the network address of LAN C?",
     .explanation = u"LAN A takes 10.5.0.0 to .127 and LAN B 10.5.0.128 to .191, so the next free "
                    u"aligned block is 10.5.0.192/27 (addresses .192 to .223).",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"10.5.0.128"},
         {u"0", u"10.5.0.160"},
         {u"0", u"10.5.0.224"},
         {u"0", u"10.5.0.64"},
         {u"1", u"10.5.0.192"},
         {u"0", u"10.5.0.96"},
     }}},
    // 85
    {.question_text = u"A server's address is written in compressed form as 2001:db8:0:a::25.\r\n"
                      u"Which of the following is its fully expanded form?",
     .explanation = u"Leading zeros return to each group (db8 -> 0db8, a -> 000a, 25 -> 0025) and :: "
                    u"becomes as many zero groups as make eight in total, here three.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"2001:0db8:0000:a000:0000:0000:0000:2500"},
         {u"1", u"2001:0db8:0000:000a:0000:0000:0000:0025"},
         {u"0", u"2001:0db8:0000:000a:0025:0000:0000:0000"},
         {u"0", u"2001:0db8:000a:0000:0000:0000:0000:0025"},
         {u"0", u"2001:0db8:0000:000a:0000:0000:0025:0000"},
         {u"0", u"2001:db80:0000:000a:0000:0000:0000:0025"},
     }}},
    // 86
    {.question_text = u"A printer has the address 192.168.100.77/29.\r\n"
                      u"Which of these addresses are usable host addresses in the printer's subnet? "
                      u"(Choose all that apply)",
     .explanation = u"A /29 makes blocks of 8: 77 lies in 72 to 79, where .72 is the network and .79 "
                    u"the broadcast, so hosts are .73 to .78; .80 starts the next subnet.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"0", u"192.168.100.72"},
         {u"1", u"192.168.100.73"},
         {u"0", u"192.168.100.80"},
         {u"1", u"192.168.100.76"},
         {u"1", u"192.168.100.78"},
     }}},
    // 87
    {.question_text = u"An administrator runs traceroute to a remote server.\r\n"
                      u"The tool sends probes whose TTL starts at 1 and grows by one each round.\r\n"
                      u"How does the tool learn the address of each router on the path?",
     .explanation = u"A probe with TTL n expires at the nth router, which returns ICMP time exceeded "
                    u"from its own address; the destination itself answers with an echo reply or a "
                    u"port unreachable.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Each router appends its own address to the probe's header"},
         {u"1", u"Each router that drops a probe because its TTL expired "
               u"sends back an ICMP time exceeded message"},
         {u"0", u"Each router answers an ARP request sent by the source host"},
         {u"0", u"Each router sends an ICMP redirect naming the next hop"},
         {u"0", u"The destination returns the list of routers in its echo reply"},
         {u"0", u"Each router sends a router advertisement to the source host"},
     }}},
    // 88
    {.question_text = u"In an IPv6 address, the double colon (::) may appear at most once.",
     .explanation = u"True. With two :: the number of zero groups each one stands for would be "
                    u"ambiguous, so an address may contain it only once.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"1", u"True"},
         {u"0", u"False"},
     }}},
    // 89
    {.question_text = u"A subnet with the prefix length /30 provides exactly two usable host "
                      u"addresses.",
     .explanation = u"True. A /30 has 2^2 = 4 addresses: the network address, two hosts and the "
                    u"broadcast address, which is why it suits point-to-point links.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"1", u"True"},
         {u"0", u"False"},
     }}},
    // 90
    {.question_text = u"Host X has the address 192.168.5.20/25 and host Y has 192.168.5.140/25.\r\n"
                      u"Which statement about these two hosts is true?",
     .explanation = u"A /25 splits the last octet at 128: X is in 192.168.5.0/25 (0 to 127) and Y in "
                    u"192.168.5.128/25 (128 to 255), so a router must forward between them.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"They are in the same subnet and reach each other directly using ARP"},
         {u"0", u"Host Y's address is the broadcast address of its subnet"},
         {u"1", u"They are in different subnets, so traffic between them must pass through a router"},
         {u"0", u"Host X's address is the network address of its subnet"},
         {u"0", u"Both belong to 192.168.5.0/24, so they need no default gateway"},
     }}},
    // 91
    {.question_text = u"Which statements about IPv6 routing with OSPFv3 and RIPng are true? (Select two)",
     .explanation = u"RIPng sends to ff02::9 on UDP 521 (ff02::5 is OSPF, 520 is RIP for IPv4), and "
                    u"OSPFv3 keeps a 32-bit router ID, usually set by hand when the router has no IPv4 "
                    u"address to take it from (RFC 7503 lets it be generated); next hops are link-local, "
                    u"RIPng keeps the 15-hop limit, and no IPv4 interface address is needed.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"1", u"RIPng sends its updates to ff02::9 using UDP port 521"},
         {u"0", u"Routes from RIPng or OSPFv3 use the neighbor's global unicast address as their next hop"},
         {u"0", u"RIPng sends its updates to ff02::5 using UDP port 520"},
         {u"0", u"OSPFv3 needs an IPv4 address on every interface before it can form adjacencies"},
         {u"1", u"The OSPFv3 router ID is a 32-bit number, even on a router that has only IPv6 addresses"},
         {u"0", u"RIPng raises the maximum hop count to 255 to suit larger IPv6 networks"},
     }}},
    // 92
    {.question_text = u"How many /26 subnets can be created from a single /22 address block?",
     .explanation = u"Going from /22 to /26 borrows 4 bits, and 2^4 = 16 subnets.\r\n"
                    u"Check: a /22 holds 1,024 addresses, each /26 holds 64, and 1,024 / 64 = 16.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"4"},
         {u"0", u"8"},
         {u"1", u"16"},
         {u"0", u"32"},
         {u"0", u"64"},
         {u"0", u"12"},
     }}},
    // 93
    {.question_text = u"A campus network is moved to software-defined networking.\r\n"
                      u"A central controller now holds the network-wide view, while the switches keep "
                      u"forwarding traffic in hardware.\r\n"
                      u"Which task belongs to the controller in this design?",
     .explanation = u"SDN separates the planes: the controller runs the control plane, computing paths and "
                    u"installing flow rules through a southbound interface, while each switch's data plane "
                    u"looks up, queues, rewrites and forwards the user traffic itself.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"1", u"Computing forwarding decisions and installing flow rules in the switches"},
         {u"0", u"Carrying every packet of user traffic between the switches itself"},
         {u"0", u"Looking up each arriving frame in a switch's forwarding table at line rate"},
         {u"0", u"Serializing frames onto each physical link and computing their frame check sequence"},
         {u"0", u"Queuing and dropping packets on a congested switch egress port as they arrive"},
         {u"0", u"Decrementing the hop limit of every routed packet and sending it out the chosen port"},
     }}},
    // 94
    {.question_text = u"Which of the following IPv6 addresses are multicast addresses? (Choose all "
                      u"that apply)",
     .explanation = u"Every IPv6 multicast address starts with ff (ff00::/8); ff appearing later in "
                    u"an address, as in the fe80::, 2001:db8:: and fd00:: examples, does not make it "
                    u"multicast.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"1", u"ff02::2"},
         {u"1", u"ff05::1:3"},
         {u"1", u"ff02::1:ff00:1"},
         {u"0", u"fe80::ff02:1"},
         {u"0", u"2001:db8::ff"},
         {u"0", u"fd00::ff02"},
     }}},
    // 95
    {.question_text = u"An office WAN link carries voice calls, video meetings and large backups.\r\n"
                      u"Calls break up whenever a backup runs, so the administrator plans to deploy QoS.\r\n"
                      u"Which statements about QoS are true? (Choose Three)",
     .explanation = u"Marking sets a DSCP value that later hops classify on, and a strict priority queue "
                    u"sends voice ahead of backups; QoS creates no bandwidth but only picks what waits or "
                    u"drops under congestion. DSCP survives hops unless re-marked, and an unlimited "
                    u"priority queue can starve other traffic.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"1", u"Marking sets a DSCP value in the IP header so that later devices can classify the traffic"},
         {u"0", u"QoS raises the link's capacity, so the backups finish sooner while the calls stay clear"},
         {u"1", u"A strict priority queue lets voice packets leave ahead of queued backup traffic"},
         {u"0", u"A voice priority queue needs no limit, since it can never starve other traffic"},
         {u"0", u"Each router hop removes the DSCP marking, so every hop must classify and mark again"},
         {u"1", u"QoS cannot add bandwidth; it decides which traffic is delayed or dropped under congestion"},
     }}},
    // 96
    {.question_text = u"Which IPv6 address type delivers a packet to the nearest one of several "
                      u"interfaces that share the same address?",
     .explanation = u"An anycast address is assigned to several interfaces and routing delivers each "
                    u"packet to the nearest one; IPv6 has no broadcast at all.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Multicast"},
         {u"1", u"Anycast"},
         {u"0", u"Broadcast"},
         {u"0", u"Link-local unicast"},
         {u"0", u"Unique local unicast"},
         {u"0", u"Loopback"},
     }}},
    // 97
    {.question_text = u"Which ICMP message tells a host that a better first-hop router on its own "
                      u"link exists for a destination?",
     .explanation = u"When a router would forward a packet back out of its arrival interface to "
                    u"another router on the same link, it can send an ICMP redirect naming that "
                    u"better next hop.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Time exceeded"},
         {u"0", u"Echo reply"},
         {u"0", u"Parameter problem"},
         {u"1", u"Redirect"},
     }}},
    // 98
    {.question_text = u"Select all the statements that are true of the IPv4 subnet 10.128.0.0/9.",
     .explanation = u"A /9 mask is 255.128.0.0 (its inverse, the wildcard mask, is 0.127.255.255); the "
                    u"block runs from 10.128.0.0 to 10.255.255.255, inside the private 10.0.0.0/8.\r\n"
                    u"It has 23 host bits: 2^23 - 2 = 8,388,606 usable host addresses.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"1", u"Its subnet mask is 255.128.0.0"},
         {u"0", u"Its broadcast address is 10.127.255.255"},
         {u"1", u"It lies entirely within a private address range"},
         {u"1", u"Its broadcast address is 10.255.255.255"},
         {u"1", u"It contains 8,388,606 usable host addresses"},
         {u"0", u"Its wildcard (inverse) mask is 0.128.255.255"},
     }}},
    // 99
    {.question_text = u"Host 192.168.7.10/24 has the default gateway 192.168.7.1 and an empty ARP "
                      u"cache.\r\n"
                      u"It now sends a packet to the remote address 203.0.113.50.\r\n"
                      u"The host sends an ARP request for 192.168.7.1 rather than for 203.0.113.50.",
     .explanation = u"True. The destination is off-subnet, so the frame goes to the gateway's MAC "
                    u"address; the host ARPs for the gateway, while the IP header still carries "
                    u"203.0.113.50.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"1", u"True"},
         {u"0", u"False"},
     }}},
    // 100
    {.question_text = u"Which statements about IPv6 stateless address autoconfiguration (SLAAC) are "
                      u"true? (Choose Three)",
     .explanation = u"With SLAAC a host combines a /64 prefix that a router advertisement offers for "
                    u"address configuration (A flag) with an interface ID it creates itself: by "
                    u"default a stable opaque ID (RFC 7217, RFC 8064) rather than the MAC-based "
                    u"modified EUI-64, plus random temporary IDs (RFC 8981). It then checks "
                    u"uniqueness with DAD.\r\n"
                    u"No server keeps state, and SLAAC needs a /64 prefix, not a /48.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"1", u"Hosts learn the prefix for their addresses from router advertisements"},
         {u"1", u"Hosts run duplicate address detection before using the new address"},
         {u"0", u"A server must record each address that it hands out"},
         {u"1", u"Hosts may build the interface ID randomly instead of from the MAC address"},
         {u"0", u"The advertised prefix must be a /48 for SLAAC to work"},
         {u"0", u"Routers assign each host its address in an ARP reply"},
     }}},
}};

}  // namespace bank
// clang-format on
