#include "Callgrind.h"
#include "Launch.h"
#include "MoveCost.h"
#include "Stats.h"
#include "Table.h"

#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <sstream>

namespace {

void write(const QString& path, const std::string& text)
{
    std::ofstream(path.toStdString()) << text;
}

// A dump as callgrind writes it for CALLGRIND_DUMP_STATS_AT(name).
std::string dump(const std::string& name, long long instructions)
{
    return "version: 1\ncreator: callgrind-3.19.0\ndesc: I1 cache: \n"
           "desc: Trigger: Client Request: " +
           name + "\nevents: Ir\nsummary: " + std::to_string(instructions) + "\nfn=(1) main\n";
}

Summary ofMedian(double median)
{
    return {median, median, median, 1};
}

} // namespace

class TestBenchDriver : public QObject
{
    Q_OBJECT

private slots:
    // A change replaces the inherited variable rather than following it, since a program
    // reads the first of two; a bare name takes it away.
    void environmentChangesReplaceOrRemoveInheritedVariables()
    {
        const std::vector<std::string> inherited{"HOME=/root", "DISPLAY=:0",
                                                 "DBUS_SESSION_BUS_ADDRESS=unix:path=/b"};
        QCOMPARE(environmentWith(inherited, {"DISPLAY=:91", "DBUS_SESSION_BUS_ADDRESS",
                                             "HOME=/nonexistent", "NOT_THERE"}),
                 (std::vector<std::string>{"DISPLAY=:91", "HOME=/nonexistent"}));
        QCOMPARE(environmentWith(inherited, {}), inherited);
        QCOMPARE(environmentWith({"A=1", "AB=2"}, {"A"}), std::vector<std::string>{"AB=2"});
    }

    void summaryTakesTheMiddleOfTheSortedRuns()
    {
        const Summary odd = summarize({5, 1, 3});
        QCOMPARE(odd.median, 3.0);
        QCOMPARE(odd.min, 1.0);
        QCOMPARE(odd.max, 5.0);
        QCOMPARE(summarize({4, 1, 3, 2}).median, 2.5);
        QCOMPARE(summarize({}).runs, std::size_t(0));
    }

    void dumpsGiveTheirTriggerAndInstructions()
    {
        QTemporaryDir dir;
        write(dir.filePath("a"), dump("move repaint#3", 1623620));
        write(dir.filePath("b"), "desc: Trigger: Program termination\nsummary: 88400537\n");
        const CallgrindDump request = readCallgrindDump(dir.filePath("a").toStdString());
        QCOMPARE(request.trigger, std::string("move repaint#3"));
        QCOMPARE(request.instructions, 1623620.0);
        QCOMPARE(readCallgrindDump(dir.filePath("b").toStdString()).instructions, 88400537.0);
        QCOMPARE(readCallgrindDump(dir.filePath("none").toStdString()).instructions, -1.0);
    }

    // Moments whose names hold spaces and prefixes of one another ("move", "move repaint")
    // must not mix, and the program's last dump is no run of any moment.
    void harnessOutputAndDumpsMakeMoments()
    {
        QTemporaryDir dir;
        write(dir.filePath("harness.txt"),
              "site TimerTime|QRegion::QRegion < void QWidgetRepaintManager::markDirty<QRect>\n"
              "site TimerTime|QArrayData::allocate < QString::number < Dravik::TimerTime_Timer\n"
              "sample move 0 180\n"
              "sample move repaint 0 1070\n"
              "paints move 0 20 1 kK_3\n"
              "sample ComputerHod Easy 0 308\n"
              "sample move 1 181\n");
        write(dir.filePath("cg.out.1"), dump("move#0", 370000));
        write(dir.filePath("cg.out.2"), dump("move repaint#0", 1600000));
        write(dir.filePath("cg.out.3"), dump("move#1", 372000));
        write(dir.filePath("cg.out.4"), "desc: Trigger: Program termination\nsummary: 9\n");
        MoveCost cost;
        cost.read(dir.filePath("harness.txt").toStdString(), dir.path().toStdString());

        QCOMPARE(summarize(cost["move"].instructions).median, 371000.0);
        QCOMPARE(cost["move"].allocations, (std::vector<double>{180, 181}));
        QCOMPARE(cost["move repaint"].instructions, std::vector<double>{1600000});
        QCOMPARE(cost["move repaint"].allocations, std::vector<double>{1070});
        QCOMPARE(cost["move"].repainted, std::vector<double>{20});
        QCOMPARE(cost["move"].unchanged, std::vector<double>{1});
        QCOMPARE(cost["ComputerHod Easy"].allocations, std::vector<double>{308});
        QCOMPARE(cost["TimerTime"].requestAllocations(), 1);
        QCOMPARE(cost["TimerTime"].otherAllocations(), 1);
        QVERIFY(cost["never measured"].instructions.empty());
    }

    void verdictsJudgeTheRatioOfMedians_data()
    {
        QTest::addColumn<double>("ours");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("under") << 110.0 << "met";
        QTest::newRow("at the limit") << 115.0 << "met";
        QTest::newRow("over") << 116.0 << "MISSED";
    }

    void verdictsJudgeTheRatioOfMedians()
    {
        QFETCH(double, ours);
        QFETCH(QString, verdict);
        Table table;
        table.add(
            {"first frame", ofMedian(ours), ofMedian(100), {Target::Kind::RatioAtMost, 1.15}});
        std::ostringstream out;
        table.print(out);
        QVERIFY(out.str().find(verdict.toStdString()) != std::string::npos);
    }

    void aRowWithoutItsFloorCannotBeJudged()
    {
        Table table;
        table.add({"idle", ofMedian(1), std::nullopt, {Target::Kind::RatioAtMost, 1.5}});
        table.add({"unchanged look", ofMedian(0), std::nullopt, {Target::Kind::AtMost, 0}});
        std::ostringstream out;
        table.print(out);
        std::istringstream lines(out.str());
        std::vector<std::string> rows;
        for (std::string line; std::getline(lines, line);) {
            QVERIFY2(line.empty() || line.back() != ' ', line.c_str());
            rows.push_back(line);
        }
        QVERIFY(rows[1].ends_with("?"));
        QVERIFY(rows[2].ends_with("met"));
    }
};

QTEST_MAIN(TestBenchDriver)
#include "test_bench_driver.moc"
