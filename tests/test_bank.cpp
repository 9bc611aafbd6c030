// The question record, the bank and its loaders, the shape of the content
// (every count below is a requirement of the bank) and wording faults that
// its texts must not repeat.
#include <map>

#include <QRegularExpression>

#include "bank/question_bank.h"
#include "support/test_support.h"

using bank::question_bank;
using bank::QuestionRecord;

namespace {

QStringList linesOf(const QString& text)
{
    return text.isEmpty() ? QStringList{} : text.split(u"\r\n"_s);
}

// A count of each key, as "key:count key:count ...".
struct Tally : std::map<QString, int> {
    void add(const QString& key, int count = 1) { (*this)[key] += count; }
    void most(const QString& key, qsizetype n) { (*this)[key] = std::max((*this)[key], int(n)); }
    QString str() const
    {
        QStringList out;
        for (const auto& [key, count] : *this)
            out << key + u':' + QString::number(count);
        return out.join(u' ');
    }
};

}  // namespace

class BankTest : public testing::ProgramTestCase {
    Q_OBJECT

private slots:
    void loadingFillsTheBankTheSameEachTime()
    {
        bank::load_quest_1();
        QVERIFY(QRegularExpression(u"^[\\w.+-]+@example\\.org$"_s).match(bank::author_contact).hasMatch());
        QCOMPARE(int(bank::question_count), 200);
        for (int slot : {0, 201, 1000})
            QCOMPARE(question_bank[slot], QuestionRecord());
        const bank::QuestionBank first = question_bank;
        question_bank[4].diagram_file[3] = u"left over"_s;  // a reload must not depend on what was there
        question_bank[200].choice_correct[6] = 1;
        bank::load_quest_1();
        QVERIFY(question_bank == first);
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, (void)question_bank[1001]);
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, (void)question_bank[1].choice_text[7]);
        // A typed answer's type starts with FILL in any case, letter by letter: the ligature is no F and I.
        for (const QString& type : {u"fill"_s, u"FiLLer"_s, u"FILL_in"_s, u" FILL"_s, u"FIL"_s, QString(),
                                    u"multi_answer"_s, u"\uFB01ll"_s})
            QVERIFY2(bank::isTypedAnswer(type) == type.startsWith(u"fill"_s, Qt::CaseInsensitive),
                     qPrintable(type));
        QuestionRecord r;
        r.choice_text[1] = u"a"_s, r.choice_text[2] = u"   "_s, r.choice_text[3] = u"\t"_s;
        QCOMPARE(bank::countChoices(r), 2);  // only spaces make a choice blank
    }

    void theContentByTheNumbers()
    {
        bank::load_quest_1();
        static const QRegularExpression statesHowMany(
            u"Choose Two|Select two|Choose Three|(Choose|Select|Check) all that apply|^(Select|Choose) all"_s);
        static const QRegularExpression saysTwo(u"Choose Two|Select two"_s);
        static const QRegularExpression byLetter(u"^[A-F]([.):]\\s|$)"_s);  // a bare "A" reads as a letter
        Tally quiz[5], all;
        QStringList trueFalse, shared, files;
        for (int slot = 1; slot <= 200; ++slot) {
            const QuestionRecord& r = question_bank[slot];
            const QString where = u"slot %1"_s.arg(slot);
            const QString type = r.answer_type == u"single_answer" ? u"single"_s : r.answer_type;
            int n = bank::countChoices(r), k = 0, position = 0;
            for (int c = 1; c <= 6; ++c) {
                const QString& t = r.choice_text[c];
                k += r.choice_correct[c] == 1, position = r.choice_correct[c] == 1 ? c : position;
                QVERIFY2(
                    (c <= n) == !t.isEmpty() && (t.isEmpty() ? r.choice_correct[c] == 0 : t == t.trimmed()) &&
                        !t.contains(u'\n') && !byLetter.match(t).hasMatch(),
                    qPrintable(where + u": choices contiguous, trimmed, of one line, neither a bare letter "
                                       "nor led by one, no flag on an empty one"_s));
                all.most(u"longest choice"_s, t.size());
            }
            QVERIFY2(!r.question_text.isEmpty() && k >= 1 && r.clue_text.isEmpty() && r.answer_note.isEmpty(),
                     qPrintable(where));
            for (const QString* text : {&r.question_text, &r.explanation})
                for (const QString& line : linesOf(*text))
                    QVERIFY2(!line.trimmed().isEmpty() && !line.contains(u'\r') && !line.contains(u'\n'),
                             qPrintable(where + u": an empty line or a stray CR or LF"_s));
            const bool tf = n == 2 && r.choice_text[1] == u"True" && r.choice_text[2] == u"False";
            Tally& q = quiz[(slot - 1) % 4 + 1];
            q.add(type), q.add(u"tf"_s, tf), q.add(u"%1 choices"_s.arg(n));
            all.add(u"%1 %2 right"_s.arg(type).arg(k)), all.add(u"all right"_s, type != u"single" && k == n);
            all.add(u"single right at %1"_s.arg(position), type == u"single" && k == 1);
            all.add(u"%1 question lines"_s.arg(linesOf(r.question_text).size()));
            all.add(u"%1 explanation lines"_s.arg(linesOf(r.explanation).size()));
            all.add(u"true is right"_s, tf && r.choice_correct[1] == 1);
            const bool says = statesHowMany.match(linesOf(r.question_text).last()).hasMatch();
            all.add(u"multi says how many"_s, type != u"single" && says);
            QVERIFY2(!(type == u"single" && k == 1 && says) &&
                         (k == 2 || !saysTwo.match(r.question_text).hasMatch()),
                     qPrintable(where + u": says how many it wants, and rightly"_s));
            all.most(u"longest question"_s, r.question_text.size());
            all.most(u"longest explanation"_s, r.explanation.size());
            if (tf)
                trueFalse << QString::number(slot);
            if (slot < 200 && r.question_text == question_bank[slot + 1].question_text &&
                r.choice_text[1] != question_bank[slot + 1].choice_text[1])
                shared << QString::number(slot);
            for (int f = 1; f <= 3; ++f)
                if (!r.diagram_file[f].isEmpty() || !r.exhibit_file[f].isEmpty())
                    files << u"%1: %2 %3"_s.arg(slot).arg(r.diagram_file[f], r.exhibit_file[f]);
        }
        const QString choices = u"2 choices:%1 3 choices:%2 4 choices:%3 5 choices:%4 6 choices:%5 "_s;
        QCOMPARE((QStringList{quiz[1].str(), quiz[2].str(), quiz[3].str(), quiz[4].str()}),
                 (QStringList{
                     choices.arg(3).arg(5).arg(3).arg(11).arg(28) + u"multi_answer:14 single:36 tf:3"_s,
                     choices.arg(3).arg(2).arg(4).arg(13).arg(28) + u"multi_answer:12 single:38 tf:3"_s,
                     choices.arg(3).arg(2).arg(5).arg(15).arg(25) + u"multi_answer:14 single:36 tf:3"_s,
                     choices.arg(4).arg(2).arg(9).arg(10).arg(25) + u"multi_answer:15 single:35 tf:3"_s}));
        QCOMPARE(
            all.str(),
            u"0 explanation lines:1 1 explanation lines:183 1 question lines:104 2 explanation lines:14 "
            "2 question lines:71 3 explanation lines:2 3 question lines:24 5 question lines:1 all right:4 "
            "longest choice:132 longest explanation:421 longest question:500 multi says how many:38 "
            "multi_answer 2 right:20 multi_answer 3 right:22 multi_answer 4 right:10 multi_answer 5 right:2 "
            "multi_answer 6 right:1 single 1 right:143 single 2 right:1 single 3 right:1 single right at "
            "1:16 "
            "single right at 2:32 single right at 3:46 single right at 4:38 single right at 5:10 "
            "single right at 6:1 true is right:5"_s);
        QCOMPARE(trueFalse.join(u' '), u"9 12 55 75 78 80 82 88 89 99 109 110"_s);
        QCOMPARE(shared.join(u' '), u"15 104 120"_s);
        QCOMPARE(files, (QStringList{u"4: mypic.gif cool.txt"_s, u"4: mypic.jpg "_s}));
        QVERIFY(question_bank[7].explanation.isEmpty() && question_bank[200].answer_type == u"single_answer");
    }

    // Wording faults that a rule can see. A row reads the texts of every
    // record that its context names (all of them, or only what is asked
    // before the answer) and holds them to what they must not say or must.
    void noTextRepeatsAKnownFault_data()
    {
        testing::columns<bool, QString, QString, QString>("askedOnly", "context", "forbidden", "required");
        const auto rule = [](const char* tag, const char* context, const char* forbidden,
                             const char* required, bool askedOnly = false) {
            QTest::newRow(tag) << askedOnly << context << forbidden << required;
        };
        // Answers are shuffled and re-lettered.
        rule("no choice named by its letter", "",
             "all of the above|none of the above|\\bboth [A-F]\\b|\\b(answer|choice|option)s? [A-F]\\b|"
             "\\b[A-F] and [A-F]\\b",
             "");
        // The current 802.1D specifies RSTP alone; STP and its listening and
        // blocking states are those of the 1998 edition.
        rule("STP with its 802.1D edition",
             "listening|blocking|blocked|blocks|\\bSTP\\b|spanning tree protocol", "802\\.1D(?!-\\d{4})", "");
        // A host and a router are unlike devices, yet both MDI.
        rule("cables by port type", "", "\\b(un)?like devices|devices of the same kind", "");
        rule("one to four digits per IPv6 group", "", "(?<!one to )four hex(adecimal)? digits", "");
        // Addresses come from prefixes with the A flag; on-link is the L flag.
        rule("SLAAC prefix is not the on-link prefix", "SLAAC|autoconfiguration", "on-link", "");
        rule("modified EUI-64 beside today's default", "EUI-64", "", "stable opaque");
        rule("ARP entries time out even in use", "\\bARP\\b", "without use", "");
        rule("counting to infinity is not cured", "count(ing)? to infinity", "\\bcure|\\bsolve|eliminat", "");
        rule("broadcast routing updates are RIPv1's", "broadcast to 255\\.255\\.255\\.255", "", "RIPv1");
        // WPA2-Personal sends no key; the passphrase-derived key is the PMK.
        rule("no pre-shared key exchange", "", "(pre-shared key|PSK) exchange", "");
        // A list of the ways to route between VLANs must not read as the only ones.
        rule("inter-VLAN routing methods as examples", "inter-VLAN routing|route traffic between VLANs", "",
             "such as|for example|physical interface");
        // NAT rewrites them on the way.
        rule("addresses end to end only without NAT", "end to end", "", "\\bNAT\\b");
        // A term of some router systems that no standard defines.
        rule("wildcard mask defined where asked", "wildcard", "", "\\bignores\\b|\\binverse\\b", true);
    }

    void noTextRepeatsAKnownFault()
    {
        const auto [askedOnly, context, forbidden, required] =
            testing::fetch<bool, QString, QString, QString>("askedOnly", "context", "forbidden", "required");
        const auto caseless = QRegularExpression::CaseInsensitiveOption;
        const QRegularExpression inContext(context, caseless), mustNot(forbidden, caseless),
            must(required, caseless);
        QVERIFY(inContext.isValid() && mustNot.isValid() && must.isValid());
        bank::load_quest_1();
        int read = 0;
        for (int slot = 1; slot <= 200; ++slot) {
            const QuestionRecord& r = question_bank[slot];
            QStringList texts{r.question_text};
            for (int k = 1; k <= 6; ++k)
                texts << r.choice_text[k];
            if (!askedOnly)
                texts << r.explanation;
            const QString all = texts.join(u'\n');
            if (!inContext.match(all).hasMatch())
                continue;
            ++read;
            const QString where = u"slot %1: "_s.arg(slot);
            QVERIFY2(forbidden.isEmpty() || !mustNot.match(all).hasMatch(),
                     qPrintable(where + mustNot.match(all).captured()));
            QVERIFY2(required.isEmpty() || must.match(all).hasMatch(),
                     qPrintable(where + u"lacks "_s + required));
        }
        QVERIFY2(read > 0, "the context names no record");  // a rule that reads nothing catches nothing
    }
};

QTEST_MAIN(BankTest)
#include "test_bank.moc"
