#include "bank/question_source.h"

// Slots 101 to 150 of the question bank: routing, route selection, DHCP, DNS, NAT and PAT, with one
// question each on cloud service models, hypervisors, VRRP, TCP flow control and PoE budgets.
// The content keeps one question per block, laid out by hand.
// clang-format off
namespace bank {

const QuestionBlock kQuestions101To150 = {{
    // 101
    {.question_text = u"Which of the following routing protocols are link-state protocols? (Select two)",
     .explanation = u"OSPF and IS-IS flood link-state information and run the shortest path first algorithm; "
                    u"RIPv2 and RIPng are distance-vector protocols, BGP is a path-vector protocol and "
                    u"static routing is not a protocol at all.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"1", u"OSPF"},
         {u"0", u"RIPv2"},
         {u"0", u"BGP"},
         {u"0", u"RIPng"},
         {u"1", u"IS-IS"},
         {u"0", u"Static routing"},
     }}},
    // 102
    {.question_text = u"Which metric does RIP use to choose the best path to a destination network?",
     .explanation = u"RIP counts hops: each router crossed adds one, and the path with the fewest hops wins, "
                    u"whatever the bandwidth or delay of the links.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"The lowest total delay along the path"},
         {u"0", u"The highest bandwidth of the slowest link"},
         {u"1", u"Hop count"},
         {u"0", u"A cost derived from interface bandwidth"},
         {u"0", u"Link reliability and load"},
         {u"0", u"The largest MTU along the path"},
     }}},
    // 103
    {.question_text = u"A router has routes to 10.0.0.0/8, 10.1.0.0/16, 10.1.4.0/22, 10.1.6.0/24 and a "
                      u"default route.\r\n"
                      u"Which route does it use to forward a packet addressed to 10.1.5.9?",
     .explanation = u"10.1.5.9 matches /8, /16, /22 (10.1.4.0 - 10.1.7.255) and the default route, but not "
                    u"10.1.6.0/24; the longest matching prefix, 10.1.4.0/22, is used.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"10.0.0.0/8"},
         {u"0", u"10.1.0.0/16"},
         {u"0", u"10.1.6.0/24"},
         {u"1", u"10.1.4.0/22"},
         {u"0", u"0.0.0.0/0"},
     }}},
    // 104
    {.question_text = u"Which of the following is a characteristic of a distance-vector routing protocol?",
     .explanation = u"A distance-vector router knows only the distances its neighbors report (plus its own "
                    u"link cost); flooding, a full topology database, SPF, DR election and areas belong to "
                    u"link-state protocols.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"1", u"Each router learns routes from distances its neighbors advertise, without a map of the "
                u"whole network"},
         {u"0", u"Every router floods link-state advertisements to all routers in its area"},
         {u"0", u"Each router runs the shortest path first algorithm over a complete topology database"},
         {u"0", u"Routers elect a designated router on every multi-access segment"},
         {u"0", u"Neighbors form adjacencies and synchronize identical topology databases"},
         {u"0", u"The network is divided into a backbone area and other areas attached to it"},
     }}},
    // 105
    {.question_text = u"Which of the following is a characteristic of a distance-vector routing protocol?",
     .explanation = u"Because distance-vector routers trust second-hand distances, a lost route can count to "
                    u"infinity. Split horizon, route poisoning and hold-down timers make that less likely "
                    u"but cannot rule it out, as split horizon stops only loops between two routers (RFC "
                    u"2453 3.4.4); RIP's infinity, a metric of 16, ends the count.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Every router holds an identical map of the topology of its area"},
         {u"1", u"Routes can count to infinity, which split horizon and route poisoning help to prevent"},
         {u"0", u"Each router computes a shortest-path tree with itself as the root"},
         {u"0", u"Changes are sent only as link-state advertisements flooded through the area"},
         {u"0", u"A designated router collects and redistributes updates on each shared segment"},
         {u"0", u"All areas must connect to a backbone area numbered 0"},
     }}},
    // 106
    {.question_text = u"Which transport protocol and port numbers does DHCP for IPv4 use?",
     .explanation = u"DHCP for IPv4 runs over UDP: servers (and relay agents) listen on port 67 and clients "
                    u"on port 68. Clients and servers never exchange their messages over TCP (bulk "
                    u"leasequery, RFC 6926, is a separate TCP service for relay agents and other "
                    u"requestors), and ports 546/547 belong to DHCPv6.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"TCP, port 67 on the server and port 68 on the client"},
         {u"0", u"UDP, port 53 on both the server and the client"},
         {u"0", u"UDP, port 68 on the server and port 67 on the client"},
         {u"1", u"UDP, port 67 on the server and port 68 on the client"},
         {u"0", u"UDP, port 546 on the server and port 547 on the client"},
         {u"0", u"TCP, port 69 on the server and a random port on the client"},
     }}},
    // 107
    {.question_text = u"A router holds these three routes:\r\n"
                      u"a static route 172.16.0.0/16 (distance 1), an OSPF route 172.16.20.0/24 (distance 110) "
                      u"and a RIP route 172.16.20.0/25 (distance 120).\r\n"
                      u"Which route does it use to forward a packet addressed to 172.16.20.77?",
     .explanation = u"All three routes match 172.16.20.77 (172.16.20.0/25 covers .0 - .127). The longest "
                    u"matching prefix always wins; administrative distance only decides between routes to "
                    u"the very same prefix.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"The static route, because it has the lowest administrative distance"},
         {u"0", u"The OSPF route, because OSPF is preferred over RIP"},
         {u"0", u"None; the packet is dropped because the routes overlap"},
         {u"1", u"The RIP route, because it is the longest matching prefix"},
     }}},
    // 108
    {.question_text = u"A company's employees use an email and calendar application in a web browser; the "
                      u"provider runs the servers, storage, operating systems and the application itself.\r\n"
                      u"Which model describes this arrangement?",
     .explanation = u"In SaaS the provider runs the whole stack, application included, and the customer only "
                    u"uses it; with PaaS the customer still deploys its own applications, with IaaS it also "
                    u"manages the operating systems, and on-premises software runs on the company's own "
                    u"servers.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Infrastructure as a service (IaaS)"},
         {u"0", u"Platform as a service (PaaS)"},
         {u"0", u"On-premises software on the company's own servers"},
         {u"1", u"Software as a service (SaaS)"},
     }}},
    // 109
    {.question_text = u"A DHCP server on another subnet receives a client's DHCPDISCOVER broadcast without "
                      u"any extra configuration on the router between them.\r\n"
                      u"True or false?",
     .explanation = u"False. Routers do not forward limited broadcasts such as DHCPDISCOVER, so a DHCP relay "
                    u"agent on the client's subnet must forward the request to the remote server.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"True"},
         {u"1", u"False"},
     }}},
    // 110
    {.question_text = u"In a multi-area OSPF network, every area must attach to the backbone area 0, "
                      u"directly or through a virtual link.\r\n"
                      u"True or false?",
     .explanation = u"True. OSPF uses a two-level hierarchy: traffic between areas passes through area 0, "
                    u"so each area needs an area border router connected to the backbone.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"1", u"True"},
         {u"0", u"False"},
     }}},
    // 111
    {.question_text = u"Which of the following can a DHCP server hand out to a client along with its "
                      u"address? (Check all that apply)",
     .explanation = u"DHCP options carry the default gateway (router option), the DNS server addresses and "
                    u"the domain name; the client's MAC address is the client's own, sent in its request.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"1", u"The default gateway address"},
         {u"1", u"The addresses of DNS servers"},
         {u"0", u"The client's own MAC address"},
         {u"1", u"The domain name to use"},
     }}},
    // 112
    {.question_text = u"Which of the following statements about port address translation (PAT) are true?",
     .explanation = u"PAT lets many inside hosts share one public address: it rewrites the source address "
                    u"and, where needed, the source port.\r\n"
                    u"Its table of address and port pairs tells sessions apart; it does not encrypt, and "
                    u"unsolicited inbound connections have no entry to match.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"0", u"Each inside host needs its own public IPv4 address"},
         {u"1", u"Many inside hosts can share a single public IPv4 address"},
         {u"0", u"It translates only ICMP traffic"},
         {u"0", u"Outside hosts can open connections to any inside host without a configured mapping"},
         {u"1", u"The router tells sessions apart by the port numbers recorded in its translation table"},
         {u"0", u"It encrypts the payload of every translated packet"},
     }}},
    // 113
    {.question_text = u"Which DNS record type maps a host name to an IPv6 address?",
     .explanation = u"An AAAA (quad-A) record holds a 128-bit IPv6 address; an A record holds a 32-bit IPv4 "
                    u"address and an MX record names a mail exchanger.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"A record"},
         {u"0", u"MX record"},
         {u"1", u"AAAA record"},
     }}},
    // 114
    {.question_text = u"An inside host 192.168.1.10 opens a web session to the server 198.51.100.20.\r\n"
                      u"The edge router performs PAT with its single outside address 203.0.113.5.\r\n"
                      u"Which source IP address does the server see in the session's packets?",
     .explanation = u"PAT replaces the private source address 192.168.1.10 with the router's public address "
                    u"203.0.113.5 (and tracks the session by port), so the server only ever sees "
                    u"203.0.113.5.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"192.168.1.10"},
         {u"0", u"198.51.100.20"},
         {u"0", u"192.168.1.1"},
         {u"1", u"203.0.113.5"},
     }}},
    // 115
    {.question_text = u"On a broadcast segment, which value does OSPF compare first when it elects the "
                      u"designated router (DR)?",
     .explanation = u"The router with the highest interface priority becomes DR (priority 0 means never "
                    u"eligible); a tie is broken by the highest router ID.\r\n"
                    u"The election is not preemptive: a router that joins later with a higher priority "
                    u"does not replace a working DR.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"The lowest router ID"},
         {u"0", u"The lowest MAC address on the segment"},
         {u"0", u"The highest interface bandwidth"},
         {u"0", u"The lowest area number"},
         {u"1", u"The highest interface priority"},
         {u"0", u"The longest uptime"},
     }}},
    // 116
    {.question_text = u"Which of the following are true of a DNS resolver's cache? (Select all that apply)",
     .explanation = u"The TTL sets how long a resolver may answer from a cached record before it must ask "
                    u"again; with serve-stale (RFC 8767) it may give a stale answer while the authoritative "
                    u"servers cannot be reached. Negative answers such as 'no such name' are cached too "
                    u"(RFC 2308); cached answers are not authoritative and any record type may be cached.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"0", u"Cached entries are kept until the resolver is restarted"},
         {u"1", u"The TTL sets how long an entry may be used before the resolver must ask again"},
         {u"1", u"Negative answers, such as 'no such name', can also be cached"},
         {u"0", u"An answer taken from the cache is flagged as authoritative"},
         {u"0", u"Only A records may be cached"},
     }}},
    // 117
    {.question_text = u"Which IPv4 destination written in prefix notation is a default route?",
     .explanation = u"0.0.0.0/0 has a prefix length of zero, so it matches every destination and is used "
                    u"only when no longer prefix matches; 0.0.0.0/32 is a single address, not a default "
                    u"route.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"255.255.255.255/32"},
         {u"0", u"127.0.0.0/8"},
         {u"0", u"0.0.0.0/32"},
         {u"1", u"0.0.0.0/0"},
         {u"0", u"169.254.0.0/16"},
         {u"0", u"224.0.0.0/4"},
     }}},
    // 118
    {.question_text = u"In what order are the messages of a normal DHCP address assignment sent?",
     .explanation = u"Discover: the client broadcasts to find DHCP servers. Offer: a server proposes an "
                    u"address.\r\n"
                    u"Request: the client asks for one offered address, by broadcast, so other servers "
                    u"learn their offers were declined.\r\n"
                    u"Acknowledge: the server confirms the lease, and the client may start using the "
                    u"address.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Request, Offer, Discover, Acknowledge"},
         {u"0", u"Discover, Request, Offer, Acknowledge"},
         {u"1", u"Discover, Offer, Request, Acknowledge"},
         {u"0", u"Offer, Discover, Request, Acknowledge"},
         {u"0", u"Discover, Offer, Acknowledge, Request"},
         {u"0", u"Request, Acknowledge, Discover, Offer"},
     }}},
    // 119
    {.question_text = u"Router R1 learned the RIP route to 10.5.0.0/16 from neighbor R2, on its interface "
                      u"toward R2.\r\n"
                      u"With simple split horizon (no poison reverse), what does R1 do with that route in "
                      u"updates sent out of that interface?",
     .explanation = u"Split horizon never advertises a route out of the interface it was learned on, so R2 "
                    u"cannot later believe a path to 10.5.0.0/16 through R1; advertising it with metric 16 "
                    u"would be poison reverse.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"It advertises the route back to R2 with the metric increased by one"},
         {u"0", u"It advertises the route back to R2 with a metric of 16"},
         {u"0", u"It stops advertising the route on every interface"},
         {u"1", u"It leaves the route out of the updates it sends on that interface"},
     }}},
    // 120
    {.question_text = u"Which of the following is a characteristic of a link-state routing protocol such "
                      u"as OSPF?",
     .explanation = u"Link-state routers share a database describing every link in the area and each runs "
                    u"the SPF algorithm on it; routes learned from neighbors' distances and split horizon "
                    u"are distance-vector traits, and periodic full tables, the 15-hop limit and hop count "
                    u"as the only metric belong to distance-vector protocols such as RIP.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Routers send their whole routing table to their neighbors every 30 seconds"},
         {u"0", u"A path may be at most 15 hops long"},
         {u"0", u"Routes are learned only from the distances that neighbors advertise"},
         {u"1", u"Each router builds a database of the topology and runs the SPF algorithm on it"},
         {u"0", u"Split horizon is its main protection against routing loops"},
         {u"0", u"Hop count is the only metric it can use"},
     }}},
    // 121
    {.question_text = u"Which of the following is a characteristic of a link-state routing protocol such "
                      u"as OSPF?",
     .explanation = u"A link-state router floods a link-state advertisement as soon as a link changes, so "
                    u"every router quickly recomputes its paths; the other behaviors describe "
                    u"distance-vector protocols such as RIP, where broadcasting full tables is RIPv1's "
                    u"way (RFC 1058) and RIPv2 sends its updates to the multicast group 224.0.0.9.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Full routing tables are broadcast to 255.255.255.255 at fixed intervals"},
         {u"0", u"Every route is limited to 15 hops"},
         {u"0", u"A router knows only the next hop and distance, never the topology beyond its "
                u"neighbors"},
         {u"1", u"Changes are flooded as link-state advertisements, so routers converge quickly"},
         {u"0", u"Routers add one to each distance a neighbor reports and keep the smallest"},
     }}},
    // 122
    {.question_text = u"Which DNS record type maps an IP address back to a host name for reverse lookups?",
     .explanation = u"A PTR record, stored under in-addr.arpa (IPv4) or ip6.arpa (IPv6), points from an "
                    u"address to a name; an A record maps a name to an address, CNAME gives aliases and "
                    u"MX names mail servers.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"A record"},
         {u"0", u"CNAME record"},
         {u"0", u"MX record"},
         {u"1", u"PTR record"},
         {u"0", u"NS record"},
         {u"0", u"SOA record"},
     }}},
    // 123
    {.question_text = u"A client obtains a DHCP lease of 8 hours and uses the default timers.\r\n"
                      u"After how long does it first try to renew the lease with the server that granted "
                      u"it?",
     .explanation = u"The renewal timer T1 defaults to 50% of the lease: 8 h x 0.5 = 4 h. If that fails, the "
                    u"client tries any server at T2, 87.5% of the lease (7 h).",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"1 hour"},
         {u"0", u"2 hours"},
         {u"1", u"4 hours"},
         {u"0", u"7 hours"},
         {u"0", u"8 hours"},
     }}},
    // 124
    {.question_text = u"Which statement describes a type 1 hypervisor, as opposed to a type 2 hypervisor?",
     .explanation = u"A type 1 (bare-metal) hypervisor is installed directly on the hardware, typical of "
                    u"data-center servers; a type 2 (hosted) hypervisor runs as an application on a host "
                    u"operating system, typical of desktops. Both can run several guests with different "
                    u"operating systems and use processor virtualization support.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"It runs as an application on top of a general-purpose host operating system"},
         {u"0", u"It requires every virtual machine to run the same operating system as the host"},
         {u"0", u"It emulates all hardware in software and cannot use processor virtualization support"},
         {u"0", u"It is meant mainly for desktops and laptops rather than for data-center servers"},
         {u"1", u"It runs directly on the server hardware, with no host operating system beneath it"},
         {u"0", u"It can run only one virtual machine at a time"},
     }}},
    // 125
    {.question_text = u"Which of the following must agree for two OSPF routers on a shared Ethernet segment "
                      u"to become neighbors? (Check all that apply)",
     .explanation = u"Hellos must agree on the area ID, the hello and dead intervals, the network mask "
                    u"(not checked on point-to-point and virtual links), the authentication and the "
                    u"area's stub flag, the E-bit in the Options field (RFC 2328 8.2, 10.5); priorities may "
                    u"differ, and router IDs must be unique, not equal. An MTU mismatch lets Hellos pass but leaves "
                    u"the neighbors stuck in ExStart or Exchange.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"1", u"The area ID of the shared link"},
         {u"1", u"The hello and dead intervals"},
         {u"1", u"The subnet and mask of the shared link"},
         {u"0", u"The interface priority"},
         {u"1", u"The authentication settings"},
         {u"0", u"The router ID"},
     }}},
    // 126
    {.question_text = u"Which form of NAT permanently maps one inside private address to one public address, "
                      u"so outside hosts can reach that inside host?",
     .explanation = u"Static NAT is a fixed one-to-one mapping that works in both directions, as a public "
                    u"server needs. Dynamic NAT and dynamic PAT create entries only when inside hosts send "
                    u"traffic; static PAT (port forwarding) opens only chosen ports of a shared address.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Port address translation (PAT, also called NAPT)"},
         {u"0", u"Dynamic NAT from a pool of public addresses"},
         {u"1", u"Static NAT"},
         {u"0", u"Proxy ARP"},
         {u"0", u"Route summarization"},
         {u"0", u"A DHCP reservation"},
     }}},
    // 127
    {.question_text = u"Each OSPF interface cost is 1000 Mb/s divided by the link speed, and a path's cost "
                      u"is the sum of its link costs.\r\n"
                      u"Path 1 is one 10 Mb/s link; path 2 is three 1 Gb/s links; path 3 is two 100 Mb/s "
                      u"links.\r\n"
                      u"Which path does OSPF select, and what is its total cost?",
     .explanation = u"Costs: path 1 = 1000/10 = 100; path 2 = 3 x (1000/1000) = 3; path 3 = 2 x "
                    u"(1000/100) = 20. The lowest total cost, 3, wins even though path 2 has the most "
                    u"hops.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Path 1, cost 1"},
         {u"0", u"Path 1, cost 100"},
         {u"0", u"Path 3, cost 20"},
         {u"0", u"Path 2, cost 30"},
         {u"1", u"Path 2, cost 3"},
     }}},
    // 128
    {.question_text = u"Routers R1 (VRRP active router) and R2 (backup) share the virtual address "
                      u"10.1.10.1, which the hosts on 10.1.10.0/24 use as their default gateway.\r\n"
                      u"What happens when R1 fails?",
     .explanation = u"When the active router's advertisements stop, the backup becomes active and takes over "
                    u"both the virtual IP address and the virtual MAC address, so the hosts keep the same "
                    u"gateway and ARP entry; no host setting, DHCP renewal or ARP timeout is involved.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Each host must be reconfigured to use R2's own interface address as its default gateway"},
         {u"0", u"The hosts lose access to other subnets until their DHCP leases renew"},
         {u"0", u"R2 answers for 10.1.10.1 with its own MAC address, so hosts wait for their ARP entries to "
                u"expire"},
         {u"1", u"R2 becomes the active router and takes over 10.1.10.1 and its virtual MAC address; "
                u"hosts change nothing"},
     }}},
    // 129
    {.question_text = u"A resolver with an empty cache resolves www.example.org by iterative queries.\r\n"
                      u"Which kind of server does it query first?",
     .explanation = u"With nothing cached, resolution starts at a root server, which refers the resolver to "
                    u"the org servers, which in turn refer it to the authoritative servers for "
                    u"example.org.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"An authoritative server for example.org"},
         {u"0", u"A top-level-domain server for org"},
         {u"1", u"A root name server"},
     }}},
    // 130
    {.question_text = u"Which RIP metric value means that a destination is unreachable?",
     .explanation = u"RIP allows at most 15 hops; a metric of 16 stands for infinity, so a route advertised "
                    u"with 16 is unreachable.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"0"},
         {u"0", u"15"},
         {u"0", u"255"},
         {u"1", u"16"},
         {u"0", u"1"},
     }}},
    // 131
    {.question_text = u"Which of the following help prevent routing loops, or limit their effects, in "
                      u"distance-vector protocols? (Select all that apply)",
     .explanation = u"Split horizon, poison reverse and hold-down timers help keep loops from forming; a "
                    u"maximum hop count does not prevent a loop but ends counting to infinity when one "
                    u"forms. DR election is an OSPF feature and broadcasting updates prevents nothing.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"0", u"Electing a designated router"},
         {u"1", u"Split horizon"},
         {u"1", u"Poison reverse"},
         {u"1", u"Hold-down timers"},
         {u"1", u"A maximum hop count, with 16 meaning unreachable in RIP"},
         {u"0", u"Sending updates to the broadcast address"},
     }}},
    // 132
    {.question_text = u"What does the TTL value of a DNS resource record control?",
     .explanation = u"The record's TTL, in seconds, tells resolvers how long they may answer from their "
                    u"cached copy before they must ask again (serve-stale, RFC 8767, allows a stale answer "
                    u"only when no fresh one can be had); it is not the IP header's TTL hop limit.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"How many routers a DNS query may cross"},
         {u"0", u"How many queries per second the record may answer"},
         {u"1", u"How long resolvers may use the cached record before they must ask again"},
     }}},
    // 133
    {.question_text = u"A branch router has a single link to headquarters, and the administrator uses one "
                      u"static default route instead of a routing protocol.\r\n"
                      u"Which of the following are advantages of this choice? (Check all that apply)",
     .explanation = u"A static route sends no updates, costs no protocol CPU or memory and always takes the "
                    u"path chosen by the administrator; it adapts to nothing and tells headquarters "
                    u"nothing.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"1", u"No routing protocol traffic uses the WAN link"},
         {u"1", u"The router spends less CPU and memory on routing"},
         {u"0", u"It reroutes around failures on its own, without administrator action"},
         {u"0", u"It tells the headquarters routers about the branch subnets"},
         {u"0", u"Its path is computed by the SPF algorithm, so it is loop-free"},
         {u"1", u"The forwarding path is fixed and predictable"},
     }}},
    // 134
    {.question_text = u"Which of the following does a DHCP relay agent do? (Choose all that apply)",
     .explanation = u"A relay agent hears client broadcasts, fills in its own interface address (giaddr) so "
                    u"the server picks the right scope, and unicasts the message to the server; it leases "
                    u"and translates nothing.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"1", u"Receives the DHCP broadcasts that clients send on its local subnet"},
         {u"0", u"Assigns addresses to clients from a pool it holds itself"},
         {u"1", u"Forwards client messages as unicast to a configured DHCP server address"},
         {u"1", u"Records its own interface address (giaddr) so the server can choose the right scope"},
         {u"0", u"Translates each client's private address into a public address"},
     }}},
    // 135
    {.question_text = u"During a bulk transfer, the receiving application falls behind, and the receiving "
                      u"host advertises a TCP window of 0 in its acknowledgments.\r\n"
                      u"What does the sending host do?",
     .explanation = u"The receive window is how many more bytes the receiver can buffer; at 0 the sender must "
                    u"stop sending data and only probe until a window update opens it again. It is flow "
                    u"control, not a sign of loss, an error or a reason to reset or reconnect.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"It closes the connection with a RST segment"},
         {u"0", u"It halves its congestion window and goes on sending at the lower rate"},
         {u"1", u"It stops sending data and sends only window probes until a nonzero window is advertised"},
         {u"0", u"It retransmits all unacknowledged segments at once"},
         {u"0", u"It keeps sending, and the receiver discards what does not fit in its buffer"},
         {u"0", u"It starts a new three-way handshake to negotiate a larger window"},
     }}},
    // 136
    {.question_text = u"Which of the following statements about a DNS CNAME record are true?",
     .explanation = u"A CNAME makes a name an alias of a canonical name, and resolvers restart the lookup "
                    u"with that name; an alias may hold no other ordinary data, so a CNAME cannot sit at a "
                    u"zone apex.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"1", u"It makes one name an alias for another, canonical name"},
         {u"0", u"It maps a name directly to an IPv6 address"},
         {u"1", u"A name that has a CNAME record cannot also have ordinary data such as an A record"},
         {u"1", u"A resolver that receives it continues the lookup with the canonical name"},
         {u"0", u"It may be placed at the zone apex alongside the SOA and NS records"},
     }}},
    // 137
    {.question_text = u"A host's IP configuration shows the address 169.254.23.7, mask 255.255.0.0, and no "
                      u"default gateway.\r\n"
                      u"What does this most likely indicate?",
     .explanation = u"169.254.0.0/16 is the IPv4 link-local range; a DHCP client that gets no answer from "
                    u"any server may pick an address from it, which works only on the local link.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"The DHCP server assigned an address from the wrong scope"},
         {u"0", u"The host is using a duplicate static address"},
         {u"1", u"The host reached no DHCP server and configured itself with a link-local address"},
         {u"0", u"NAT has translated the host's address"},
         {u"0", u"The host's DNS server is unreachable"},
     }}},
    // 138
    {.question_text = u"An OSPF router has some interfaces in area 0 and others in area 1.\r\n"
                      u"What is this router called?",
     .explanation = u"A router with interfaces in the backbone and in another area is an area border "
                    u"router; it summarizes and passes routing information between the areas.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Designated router"},
         {u"0", u"Autonomous system boundary router"},
         {u"0", u"Internal router"},
         {u"1", u"Area border router"},
     }}},
    // 139
    {.question_text = u"Which of the following DHCP messages are sent by the client? (Choose Three)",
     .explanation = u"The client sends DHCPDISCOVER, DHCPREQUEST and DHCPRELEASE (when it gives the address "
                    u"back); DHCPOFFER, DHCPACK and DHCPNAK come from the server.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"0", u"DHCPOFFER"},
         {u"1", u"DHCPDISCOVER"},
         {u"0", u"DHCPACK"},
         {u"0", u"DHCPNAK"},
         {u"1", u"DHCPREQUEST"},
         {u"1", u"DHCPRELEASE"},
     }}},
    // 140
    {.question_text = u"What is the purpose of a floating static route?",
     .explanation = u"A floating static route is given a higher administrative distance than the primary "
                    u"route, so it stays out of the table until the primary route disappears.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"To share traffic equally with a dynamic route to the same prefix"},
         {u"0", u"To advertise a static route to neighbors through a routing protocol"},
         {u"0", u"To move a route automatically to whichever interface is least loaded"},
         {u"1", u"To act as a backup that is used only when the preferred route is lost"},
     }}},
    // 141
    {.question_text = u"Which DNS record type delegates a zone by naming its authoritative name servers?",
     .explanation = u"NS records list the authoritative name servers of a zone and, in the parent zone, "
                    u"delegate the child zone to them; SOA only holds the zone's administrative data.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"SOA"},
         {u"0", u"MX"},
         {u"0", u"PTR"},
         {u"1", u"NS"},
         {u"0", u"TXT"},
         {u"0", u"SRV"},
     }}},
    // 142
    {.question_text = u"A router translates the inside host 10.0.0.25 to 203.0.113.40 when its traffic "
                      u"leaves the network.\r\n"
                      u"Which description fits the address 203.0.113.40?",
     .explanation = u"NAT rewrites the inside host's private source address, 10.0.0.25, to the public "
                    u"address 203.0.113.40 as its packets leave, so outside hosts see and reply to "
                    u"203.0.113.40; the addresses of outside hosts are not translated here.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"1", u"The public, translated address of the inside host"},
         {u"0", u"The private address of the inside host on the inside network"},
         {u"0", u"The address of an outside host as the inside hosts see it"},
         {u"0", u"The address of an outside host on the outside network"},
         {u"0", u"A broadcast address"},
         {u"0", u"A link-local address"},
     }}},
    // 143
    {.question_text = u"Two OSPF routers on a shared Ethernet segment stay in the 2-WAY state with each "
                      u"other, while both are FULL with the DR.\r\n"
                      u"What is the most likely explanation?",
     .explanation = u"On a multi-access segment, routers that are neither DR nor BDR form full adjacencies "
                    u"only with the DR and BDR; staying 2-WAY between two such routers is normal.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Their hello timers do not match"},
         {u"0", u"They are configured in different areas"},
         {u"0", u"Their interface MTUs do not match"},
         {u"1", u"Neither is the DR or BDR, so they are not meant to form a full adjacency"},
         {u"0", u"One of them has an interface priority of 255"},
     }}},
    // 144
    {.question_text = u"An administrator adds a static route to a router.\r\n"
                      u"Which of the following are defined in a static route? (Choose Three)",
     .explanation = u"A static route names the destination network, its prefix length or mask, and a "
                    u"next-hop address or exit interface; routing does not look at source addresses, host "
                    u"MACs or names.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"1", u"The destination network address"},
         {u"0", u"The source address of the packets"},
         {u"1", u"The prefix length or subnet mask"},
         {u"1", u"The next-hop address or exit interface"},
         {u"0", u"The MAC address of the destination host"},
         {u"0", u"The DNS name of the destination network"},
     }}},
    // 145
    {.question_text = u"A router learns 10.30.0.0/16 by RIP from R2 (metric 4) and from R3 (metric 2).\r\n"
                      u"It also learns 10.30.0.0/16 by OSPF with cost 20. Distances: OSPF 110, RIP 120.\r\n"
                      u"Which route is installed in the routing table?",
     .explanation = u"The prefix and length are identical, so administrative distance decides: OSPF (110) "
                    u"beats RIP (120). Metrics of different protocols are never compared.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"The RIP route via R3, because metric 2 is the lowest"},
         {u"1", u"The OSPF route, because its administrative distance is lower"},
         {u"0", u"The RIP route via R2, because it was learned first"},
         {u"0", u"Both RIP routes, with traffic shared between them"},
         {u"0", u"The OSPF route and the RIP route via R3, with traffic shared"},
         {u"0", u"None; conflicting routes are discarded"},
     }}},
    // 146
    {.question_text = u"Which of the following can stop a DHCP client from getting an address? "
                      u"(Select all that apply)",
     .explanation = u"A server with no free addresses left in the scope cannot make an offer, and a client "
                    u"on a remote subnet is never heard without a relay agent.\r\n"
                    u"Lease length, a DNS server option and another client's reservation do not block a "
                    u"client.",
     .answer_type = u"multi_answer",
     .choices = {{
         {u"1", u"Every address in the server's scope is already leased"},
         {u"1", u"The server is on another subnet and no relay agent forwards the requests"},
         {u"0", u"The lease time is set to eight days"},
         {u"0", u"The scope hands out a DNS server option"},
         {u"0", u"The server holds a reservation for a different client"},
     }}},
    // 147
    {.question_text = u"Which type of DNS query asks the server to return the final answer or an error, "
                      u"doing all the lookups itself?",
     .explanation = u"A recursive query makes the server chase the answer through other servers; an "
                    u"iterative query may be answered with just a referral to a closer server.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"Iterative query"},
         {u"0", u"Zone transfer"},
         {u"1", u"Recursive query"},
         {u"0", u"Dynamic update"},
         {u"0", u"Reverse lookup"},
         {u"0", u"Multicast query"},
     }}},
    // 148
    {.question_text = u"A switch has a 740 W PoE budget and reserves each device's class power: 20 phones in "
                      u"class 2 (7 W), 8 access points in class 4 (30 W) and 4 cameras in class 6 (60 W).\r\n"
                      u"How many watts of the budget remain for further devices?",
     .explanation = u"Reserved: 20 x 7 + 8 x 30 + 4 x 60 = 140 + 240 + 240 = 620 W, so 740 - 620 = 120 W "
                    u"remain. 620 W is the amount used, and 202.2 W comes from the smaller device-side "
                    u"figures (6.49, 25.5 and 51 W) instead of the reserved class power.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"620 W"},
         {u"0", u"202.2 W"},
         {u"1", u"120 W"},
         {u"0", u"180 W"},
         {u"0", u"240 W"},
         {u"0", u"None; the budget is exceeded by 48 W"},
     }}},
    // 149
    {.question_text = u"An edge router uses PAT for all inside hosts and has no static mappings. An outside "
                      u"host tries to open a new connection to an inside web server.\r\n"
                      u"What happens to the incoming request?",
     .explanation = u"PAT creates entries only for sessions that inside hosts start; an unsolicited inbound "
                    u"packet matches no translation entry, so the router cannot deliver it and drops it.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"The router forwards it to the first inside host in its table"},
         {u"0", u"The router broadcasts it on the inside network"},
         {u"1", u"The router drops it, because no translation entry matches"},
     }}},
    // 150
    {.question_text = u"What does a router do with a packet whose destination matches no route when it has "
                      u"no default route?",
     .explanation = u"Without a matching route a router cannot forward the packet, so it discards it and "
                    u"normally sends an ICMP destination unreachable message back to the source.",
     .answer_type = u"single_answer",
     .choices = {{
         {u"0", u"It floods the packet out of every interface"},
         {u"0", u"It returns the packet to the source unchanged"},
         {u"1", u"It drops the packet and usually sends an ICMP destination unreachable message"},
     }}},
}};

}  // namespace bank
// clang-format on
