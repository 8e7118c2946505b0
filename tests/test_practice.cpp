// SPDX-License-Identifier: GPL-3.0-or-later
#include "measure/instruments.h"
#include "measure/practice_protractor.h"
#include "measure/practice_rays.h"
#include "measure/practice_ruler.h"
#include "recording_canvas.h"
#include "scripted_random.h"

#include <QTest>

#include <cmath>
#include <numbers>

using namespace wave;
using std::numbers::pi;

Q_DECLARE_METATYPE(wave::Handle)
Q_DECLARE_METATYPE(wave::LengthTask)
Q_DECLARE_METATYPE(wave::MessageKind)

namespace {

constexpr QPoint centre(100, 100);

double radians(double degrees)
{
    return degrees / 180 * pi;
}

// The handles as the page starts them: ray and interface at (260, 118), the torch 158
// pixels to the left.
Handles startHandles()
{
    return resetHandles(RayLesson{});
}

} // namespace

class PracticeTest : public QObject {
    Q_OBJECT
private slots:
    void readingCaptions_data();
    void readingCaptions();
    void protractorPlacedAndTurned_data();
    void protractorPlacedAndTurned();
    void protractorReadings_data();
    void protractorReadings();
    void judging_data();
    void judging();
    void rulerTaskFromRandomNumbers();
    void rulerTaskFigures_data();
    void rulerTaskFigures();
    void lessonsAndTargets();
    void lessonTargetFollowsAMovedPointOfIncidence();
    void handleDrags_data();
    void handleDrags();
    void raysJudged_data();
    void raysJudged();
};

void PracticeTest::readingCaptions_data()
{
    QTest::addColumn<double>("degrees");
    QTest::addColumn<QString>("caption");
    QTest::newRow("a tenth up from a cut") << 45.03 << " 45.1°";
    QTest::newRow("into the next degree") << 44.96 << " 45.0°";
    QTest::newRow("nothing shows a tenth") << 0.0 << " 0.1°";
    QTest::newRow("small negative keeps its sign") << -0.5 << " -0.4°";
    QTest::newRow("tiny negative cut to zero") << -0.03 << " 0.1°";
    QTest::newRow("negative") << -12.34 << " -12.2°";
    QTest::newRow("beyond the straight angle") << 219.81 << " 219.9°";
}

void PracticeTest::readingCaptions()
{
    QFETCH(double, degrees);
    QFETCH(QString, caption);
    QCOMPARE(readingCaption(radians(degrees)), caption);
}

void PracticeTest::protractorPlacedAndTurned_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<QPoint>("secondpoint");
    QTest::addColumn<double>("lineangle");

    QTest::newRow("placing: base 20 pixels right") << 0 << centre << centre + QPoint(20, 0) << pi;
    QTest::newRow("turned straight down")
        << 1 << QPoint(100, 150) << QPoint(100, 150) << 3 * pi / 2;
    QTest::newRow("turned straight up") << 1 << QPoint(100, 40) << QPoint(100, 40) << pi / 2;
    QTest::newRow("turned onto the centre") << 1 << centre << centre << pi / 2;
    QTest::newRow("turned left") << 1 << QPoint(40, 100) << QPoint(40, 100) << 0.0;
    QTest::newRow("turned up and left") << 1 << QPoint(50, 50) << QPoint(50, 50) << pi / 4;
}

void PracticeTest::protractorPlacedAndTurned()
{
    QFETCH(int, step);
    QFETCH(QPoint, pointer);
    QFETCH(QPoint, secondpoint);
    QFETCH(double, lineangle);

    Measuring m;
    m.clickstep = step;
    m.firstpoint = centre;
    RecordingCanvas canvas;
    const ReadingCaptions captions = protractorMove(canvas, m, AngleTask{}, pointer);
    QCOMPARE(m.firstpoint, centre);
    QCOMPARE(m.secondpoint, secondpoint);
    QCOMPARE(m.lineangle, lineangle);
    QCOMPARE(m.savedLineangle, lineangle);
    QVERIFY(!captions.Ang1rb && !captions.ang2rb);

    // spoke 0 runs from the base line's far side; the black base line comes last
    const auto lines = canvas.only(RecordingCanvas::Op::Line);
    const auto &spoke0 = lines[lines.size() - 14];
    QCOMPARE(QPoint(spoke0.args[0], spoke0.args[1]), ahead(centre, 30, lineangle));
    QCOMPARE(spoke0.pen.colour, colour::grey);
    const auto &base = lines.back();
    QCOMPARE(base.pen.colour, colour::black);
    QCOMPARE(base.args,
             (std::vector<int>{secondpoint.x(), secondpoint.y(), 2 * centre.x() - secondpoint.x(),
                               2 * centre.y() - secondpoint.y()}));
}

// The base line runs from the centre (100, 100) to the right, so the protractor opens
// upwards and reads clockwise from the left.
void PracticeTest::protractorReadings_data()
{
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<QString>("Ang1rb");
    QTest::addColumn<QString>("ang2rb"); // empty: not changed
    QTest::addColumn<double>("reading1");

    QTest::newRow("up and right") << QPoint(150, 13) << " 60.2°"
                                  << " 119.9°" << 60.113;
    QTest::newRow("up and left") << QPoint(60, 99) << " 178.6°"
                                 << " 1.5°" << 178.568;
    QTest::newRow("just below the base, right") << QPoint(200, 101) << " -0.4°"
                                                << "" << -1.0;
    QTest::newRow("below, right") << QPoint(150, 187) << " -60.0°"
                                  << "" << -1.0;
    QTest::newRow("below, left") << QPoint(40, 150) << " 219.9°"
                                 << "" << -1.0;
}

void PracticeTest::protractorReadings()
{
    QFETCH(QPoint, pointer);
    QFETCH(QString, Ang1rb);
    QFETCH(QString, ang2rb);
    QFETCH(double, reading1);

    Measuring m;
    m.firstpoint = centre;
    RecordingCanvas canvas;
    protractorMove(canvas, m, AngleTask{}, centre);
    m.clickstep = 1;
    protractorMove(canvas, m, AngleTask{}, QPoint(200, 100));
    m.clickstep = 2;
    m.lineangle = 0.0; // only the saved copy counts in the reading step
    m.reading1 = -1.0;
    m.reading2 = -1.0;
    canvas.calls.clear();

    const ReadingCaptions captions = protractorMove(canvas, m, AngleTask{}, pointer);
    QCOMPARE(m.lineangle, pi);
    QCOMPARE(captions.Ang1rb.value(), Ang1rb);
    QCOMPARE(captions.ang2rb.value_or(QString()), ang2rb);
    QVERIFY(std::abs(m.reading1 - reading1) < 1e-3);
    const auto redLines = std::count_if(canvas.calls.begin(), canvas.calls.end(), [](auto &c) {
        return c.op == RecordingCanvas::Op::Line && c.pen.colour == colour::red;
    });
    if (ang2rb.isEmpty()) {
        QCOMPARE(m.reading2, -1.0);
        QCOMPARE(redLines, 0);
    } else {
        QVERIFY(std::abs(m.reading1 + m.reading2 - 180) < 1e-9);
        QCOMPARE(redLines, 1);
    }
}

void PracticeTest::judging_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("fromNormal");
    QTest::addColumn<double>("task");
    QTest::addColumn<double>("answer");
    QTest::addColumn<MessageKind>("kind");
    QTest::addColumn<QString>("text");

    const QString wellDone = QStringLiteral("Right!\nWell done!");
    const QString closer = QStringLiteral("Right!\nBut can you get the answer\na little closer?");
    const QString oops = QStringLiteral("Oops!\nTry again!");
    const auto info = MessageKind::Information;
    const auto warning = MessageKind::Warning;
    const auto error = MessageKind::Error;

    QTest::newRow("lines, just right") << 0 << false << 40.0 << 41.49 << info << wellDone;
    QTest::newRow("lines, at 1.5") << 0 << false << 40.0 << 41.5 << warning << closer;
    QTest::newRow("lines, under") << 0 << false << 40.0 << 38.6 << info << wellDone;
    QTest::newRow("lines, just close") << 0 << false << 40.0 << 42.99 << warning << closer;
    QTest::newRow("lines, at 3") << 0 << false << 40.0 << 43.0 << error << oops;
    QTest::newRow("normal, right") << 0 << true << 60.0 << 31.4 << info << wellDone;
    QTest::newRow("normal, close") << 0 << true << 60.0 << 32.0 << warning << closer;
    QTest::newRow("normal, wrong") << 0 << true << 60.0 << 33.0 << error << oops;
    QTest::newRow("normal, beyond it") << 0 << true << 120.0 << 29.0 << info << wellDone;
    QTest::newRow("normal, the task itself") << 0 << true << 60.0 << 60.0 << error << oops;
    // the ruler praises with a capital D
    QTest::newRow("ruler, right") << 1 << false << 100.0 << 102.9 << info
                                  << QStringLiteral("Right!\nWell Done!");
    QTest::newRow("ruler, short but right")
        << 1 << false << 100.0 << 97.1 << info << QStringLiteral("Right!\nWell Done!");
    QTest::newRow("ruler, at 3") << 1 << false << 100.0 << 103.0 << warning << closer;
    QTest::newRow("ruler, just close") << 1 << false << 100.0 << 95.01 << warning << closer;
    QTest::newRow("ruler, at 5") << 1 << false << 100.0 << 105.0 << error << oops;
}

void PracticeTest::judging()
{
    QFETCH(int, page);
    QFETCH(bool, fromNormal);
    QFETCH(double, task);
    QFETCH(double, answer);
    QFETCH(MessageKind, kind);
    QFETCH(QString, text);

    Verdict verdict{};
    if (page == 0) {
        verdict = judgeAngle(AngleTask{task, 0.0, fromNormal}, answer);
    } else {
        Measuring m;
        m.reading1 = answer;
        verdict = judgeLength(RulerTask{0.0, task, LengthTask::TwoPoints}, m);
    }
    QCOMPARE(verdict.kind, kind);
    QCOMPARE(verdict.text, text);
}

void PracticeTest::rulerTaskFromRandomNumbers()
{
    ScriptedRandom random;
    random.next = {0.25, 0.5};
    RulerTask task;
    newRulerTask(task, random);
    QCOMPARE(task.taskdirection, pi / 2);
    QCOMPARE(task.tasklength, 132.5);
    QVERIFY(random.next.empty());
}

// Half the length either side of the centre (198, 122), across or along the direction.
void PracticeTest::rulerTaskFigures_data()
{
    QTest::addColumn<double>("direction");
    QTest::addColumn<LengthTask>("kind");
    QTest::addColumn<QList<QRect>>("dots");  // bounding boxes
    QTest::addColumn<QList<QLine>>("lines"); // within a pixel

    QTest::newRow("two points, straight down")
        << 0.0 << LengthTask::TwoPoints
        << QList<QRect>{QRect(QPoint(195, 69), QPoint(201, 75)),
                        QRect(QPoint(195, 169), QPoint(201, 175))}
        << QList<QLine>{};
    QTest::newRow("two points, slanting") << pi / 4 << LengthTask::TwoPoints
                                          << QList<QRect>{QRect(QPoint(160, 84), QPoint(166, 90)),
                                                          QRect(QPoint(230, 154), QPoint(236, 160))}
                                          << QList<QLine>{};
    QTest::newRow("wavefronts") << 0.0 << LengthTask::Wavefronts << QList<QRect>{}
                                << QList<QLine>{QLine(48, 72, 348, 72), QLine(348, 172, 48, 172)};
    QTest::newRow("point and line") << 0.0 << LengthTask::PointAndLine
                                    << QList<QRect>{QRect(QPoint(195, 169), QPoint(201, 175))}
                                    << QList<QLine>{QLine(48, 72, 348, 72)};
}

void PracticeTest::rulerTaskFigures()
{
    QFETCH(double, direction);
    QFETCH(LengthTask, kind);
    QFETCH(QList<QRect>, dots);
    QFETCH(QList<QLine>, lines);

    RecordingCanvas canvas;
    plotRulerTask(canvas, RulerTask{direction, 100.0, kind}, Measuring{});
    const auto ellipses = canvas.only(RecordingCanvas::Op::Ellipse);
    QCOMPARE(ellipses.size(), std::size_t(dots.size()));
    for (std::size_t i = 0; i < ellipses.size(); ++i) {
        const auto &a = ellipses[i].args;
        const QRect box(QPoint(std::min(a[0], a[2]), std::min(a[1], a[3])),
                        QPoint(std::max(a[0], a[2]), std::max(a[1], a[3])));
        QCOMPARE(box, dots[qsizetype(i)]);
        QCOMPARE(ellipses[i].brush.colour, colour::black);
    }
    // the task's lines come first, 2 pixels wide; the ruler's edge then runs at width 1
    const auto drawn = canvas.only(RecordingCanvas::Op::Line);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto &line = drawn[std::size_t(i)];
        QCOMPARE(line.pen.width, 2);
        QCOMPARE(line.pen.colour, colour::black);
        QVERIFY((QPoint(line.args[0], line.args[1]) - lines[i].p1()).manhattanLength() <= 1);
        QVERIFY((QPoint(line.args[2], line.args[3]) - lines[i].p2()).manhattanLength() <= 1);
    }
    QCOMPARE(drawn[std::size_t(lines.size())].pen.width, 1);
    QCOMPARE(drawn[std::size_t(lines.size())].pen.colour, colour::grey);
}

void PracticeTest::lessonsAndTargets()
{
    struct Lesson {
        std::deque<double> numbers;
        double targetangle;
        int targetx;
        double targety;
        double startAngle; // of the reset ray
    };
    const std::vector<Lesson> lessons{
        {{0.5}, pi / 7, 260, 118, 0.0},
        // 2.4 and -3.2 cut to 2 and -3
        {{0.2, 0.9}, 2 * pi / 18 + pi / 7, 260, 118 - 45 + 9, 2 * pi / 18 + pi / 7},
        // 4 only for r = 0
        {{0.0, 0.5}, 4 * pi / 18 + pi / 7, 260, 118 + 9, 0.0},
        {{0.1, 0.99, 0.3}, -3 * pi / 18 + pi / 7, 260 + 60 + 5, 118 + 15 + 9, 0.0},
        {{0.5}, pi / 7, 260, 118, 0.0},
    };
    RayLesson lesson;
    Handles handles = resetHandles(lesson);
    for (std::size_t i = 0; i < lessons.size(); ++i) {
        ScriptedRandom random;
        random.next = lessons[i].numbers;
        nextLesson(lesson, handles, random);
        handles = resetHandles(lesson);
        QCOMPARE(lesson.lessonstep, int(i % 4));
        QVERIFY(random.next.empty());
        QCOMPARE(lesson.targetangle, lessons[i].targetangle);
        QCOMPARE(lesson.targetx, lessons[i].targetx);
        QCOMPARE(lesson.targety, lessons[i].targety);
        QCOMPARE(handles.lsh, QPoint(260, 118));
        QCOMPARE(handles.csh, QPoint(260, 125));
        QVERIFY(std::abs(rayAngle(handles) - lessons[i].startAngle) < 0.01);
        QCOMPARE(handles.msh, QPoint((handles.lsh.x() + handles.dsh.x()) / 2,
                                     (handles.lsh.y() + handles.dsh.y()) / 2));
    }
}

void PracticeTest::lessonTargetFollowsAMovedPointOfIncidence()
{
    RayLesson lesson;
    const Handles moved = dragHandle(startHandles(), Handle::lsh, QPoint(0, 80));
    ScriptedRandom random;
    random.next = {0.5};
    nextLesson(lesson, moved, random);
    QCOMPARE(lesson.lessonstep, 0);
    QCOMPARE(lesson.targety, 80.0);
}

void PracticeTest::handleDrags_data()
{
    QTest::addColumn<Handle>("handle");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<Handles>("after");

    // from csh (260, 125), msh (181, 118), lsh (260, 118), dsh (102, 118)
    QTest::newRow("point of incidence moves vertically only")
        << Handle::lsh << QPoint(300, 100)
        << Handles{{260, 125}, {181, 109}, {260, 100}, {102, 118}};
    QTest::newRow("torch moves freely")
        << Handle::dsh << QPoint(50, 151) << Handles{{260, 125}, {155, 134}, {260, 118}, {50, 151}};
    QTest::newRow("torch stops 15 pixels left of the interface")
        << Handle::dsh << QPoint(300, 60) << Handles{{260, 125}, {252, 89}, {260, 118}, {245, 60}};
    QTest::newRow("middle moves the ray up parallel")
        << Handle::msh << QPoint(170, 108)
        << Handles{{260, 125}, {181, 108}, {260, 108}, {102, 108}};
    QTest::newRow("interface moves everything")
        << Handle::csh << QPoint(250, 140)
        << Handles{{250, 140}, {171, 133}, {250, 133}, {92, 133}};
}

void PracticeTest::handleDrags()
{
    QFETCH(Handle, handle);
    QFETCH(QPoint, to);
    QFETCH(Handles, after);

    const Handles moved = dragHandle(startHandles(), handle, to);
    QCOMPARE(moved.csh, after.csh);
    QCOMPARE(moved.msh, after.msh);
    QCOMPARE(moved.lsh, after.lsh);
    QCOMPARE(moved.dsh, after.dsh);
}

void PracticeTest::raysJudged_data()
{
    QTest::addColumn<double>("angleOff");
    QTest::addColumn<int>("xOff");
    QTest::addColumn<double>("yOff");
    QTest::addColumn<bool>("right");

    QTest::newRow("on the target") << 0.0 << 0 << 0.0 << true;
    QTest::newRow("near enough") << 0.02 << 2 << -2.0 << true;
    QTest::newRow("angle off") << -0.031 << 0 << 0.0 << false;
    QTest::newRow("interface off") << 0.0 << -3 << 0.0 << false;
    QTest::newRow("point off") << 0.0 << 0 << 3.0 << false;
    // the target's y is cut before it is compared
    QTest::newRow("point off by a cut") << 0.0 << 0 << -2.5 << false;
}

void PracticeTest::raysJudged()
{
    QFETCH(double, angleOff);
    QFETCH(int, xOff);
    QFETCH(double, yOff);
    QFETCH(bool, right);

    const Handles handles = dragHandle(startHandles(), Handle::dsh, QPoint(120, 60));
    const RayLesson lesson{2, rayAngle(handles) + angleOff, handles.csh.x() + xOff,
                           handles.lsh.y() + yOff};
    const Verdict verdict = judgeRays(lesson, handles);
    QCOMPARE(verdict.kind, right ? MessageKind::Information : MessageKind::Error);
    QCOMPARE(verdict.text,
             right ? QStringLiteral("Right!\nWell Done!") : QStringLiteral("Oops!\nTry again!"));
}

QTEST_GUILESS_MAIN(PracticeTest)
#include "test_practice.moc"
