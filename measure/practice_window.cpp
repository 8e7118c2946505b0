// SPDX-License-Identifier: GPL-3.0-or-later
#include "measure/practice_window.h"

#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/form.h"
#include "platform/language.h"

#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace wave {

namespace {

ShapeLayer *handle(ShapeLayer::Kind kind, QColor pen, QColor fill, const char *name,
                   QWidget *parent)
{
    auto *shape = new ShapeLayer(kind, pen, fill, Qt::SolidLine, parent);
    shape->setObjectName(QLatin1String(name));
    shape->resize(5, 5);
    shape->setMouseTracking(true);
    shape->setCursor(Qt::PointingHandCursor);
    return shape;
}

} // namespace

TProfrm::TProfrm(Dialogs &dialogs, RandomSource &random, QWidget *parent)
    : QDialog(parent), proim(new ImageView(practiceWidth, practiceHeight, this)),
      canvas_(proim->image()), dialogs_(dialogs), random_(random)
{
    setObjectName(QStringLiteral("Profrm"));
    setWindowTitle(tr("Measurement Practice"));
    setFixedSize(425, 447);
    QFont systemFont = font();
    systemFont.setPixelSize(13);
    setFont(systemFont);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(254, 253, 199));
    setPalette(palette);
    setAutoFillBackground(true);

    place(proim, "proim", {14, 10, practiceWidth, practiceHeight});
    proim->setMouseTracking(true);
    proim->enableKeyboardPointer();
    proim->setCursor(Qt::CrossCursor);
    csh = handle(ShapeLayer::Kind::Rectangle, Qt::red, QColor(), "csh", proim);
    msh = handle(ShapeLayer::Kind::Rectangle, Qt::black, QColor(), "msh", proim);
    lsh = handle(ShapeLayer::Kind::Circle, Qt::black, Qt::white, "lsh", proim);
    dsh = handle(ShapeLayer::Kind::Circle, Qt::black, Qt::black, "dsh", proim);
    for (ShapeLayer *shape : handleShapes()) {
        shape->installEventFilter(this);
        shape->hide();
    }

    QFrame *lower = panel(this, "lowerpl", QColor(169, 150, 109), {0, 266, 425, 181});
    lower_ = lower;
    QFont panelFont(QStringLiteral("Arial"));
    panelFont.setPixelSize(13);
    panelFont.setBold(true);
    lower->setFont(panelFont);

    practicenb = new Notebook(lower);
    place(practicenb, "practicenb", {8, 6, 300, 168});
    buildProtractorPage(practicenb->addPage(tr("&Protractor")));
    buildRulerPage(practicenb->addPage(tr("&Ruler")));
    buildRayPage(practicenb->addPage(tr("Ray &Movement")));

    Checkbt = button(lower, "Checkbt", tr("&Check"), {316, 30, 100, 32});
    Checkbt->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    Checkbt->setDefault(true);
    nextbt = button(lower, "nextbt", tr("&Next"), {316, 72, 100, 32});
    nextbt->setIcon(style()->standardIcon(QStyle::SP_MessageBoxQuestion));
    nextbt->setLayoutDirection(Qt::RightToLeft);
    Returnbt = button(lower, "Returnbt", tr("Re&turn"), {316, 134, 100, 32});
    // Enter checks the answer, even after "&Next" was clicked; only on the picture itself does
    // it place the point instead, as a click there would.
    nextbt->setAutoDefault(false);
    Returnbt->setAutoDefault(false);

    nameForReaders({{proim, QT_TRANSLATE_NOOP("Readers", "Practice picture")}});
    Contents1 = new QAction(tr("&Contents"), this);
    Contents1->setObjectName(QStringLiteral("Contents1"));
    Contents1->setShortcut(QKeySequence(Qt::Key_F1));
    addAction(Contents1);
    connect(Contents1, &QAction::triggered, this, [this] {
        if (showHelp)
            showHelp();
    });

    connectHandlers();
    FormCreate();
}

void TProfrm::buildProtractorPage(QWidget *page)
{
    Label1 = label(page, "Label1", tr("Find the Angle:"), {8, 8, 130, 18});
    Normalrb = radio(page, "Normalrb", tr("From the Normal"), {8, 34, 146, 20});
    linerb = radio(page, "linerb", tr("Between Two Lines"), {8, 60, 146, 20});
    linerb->setChecked(true);
    anggb = group(page, "anggb", tr("The angle is"), {158, 4, 132, 84});
    Ang1rb = radio(anggb, "Ang1rb", QLatin1Char(' ') + shownNumber(0, 1) + QChar(0xB0),
                   {12, 26, 116, 20});
    Ang1rb->setChecked(true);
    ang2rb = radio(anggb, "ang2rb", QLatin1Char(' ') + shownNumber(180, 1) + QChar(0xB0),
                   {12, 54, 116, 20});
}

void TProfrm::buildRulerPage(QWidget *page)
{
    Label2 = label(page, "Label2", tr("Measure length between:"), {8, 8, 180, 18});
    pointsrb = radio(page, "pointsrb", tr(" &2 Points"), {8, 34, 130, 20});
    pointsrb->setChecked(true);
    wavefrontrb = radio(page, "wavefrontrb", tr(" &Wavefronts"), {8, 60, 130, 20});
    pandlrb = radio(page, "pandlrb", tr(" Point and &Line"), {8, 86, 130, 20});
    anallb = label(page, "anallb", tr("Length is: 0"), {152, 60, 138, 18});
}

void TProfrm::buildRayPage(QWidget *page)
{
    Label3 = label(page, "Label3",
                   tr("Drag the four handles to discover each function. Move the "
                      "handles to reposition the ray."),
                   {8, 6, 282, 54});
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setWordWrap(true);
    hintlb = label(page, "hintlb", QString(), {8, 68, 282, 44});
    hintlb->setAlignment(Qt::AlignCenter);
    hintlb->setWordWrap(true);
    // plain, unlike the panel's bold
    QFont hintFont(QStringLiteral("Arial"));
    hintFont.setPixelSize(13);
    hintFont.setBold(false);
    hintlb->setFont(hintFont);
}

void TProfrm::connectHandlers()
{
    connect(practicenb, &Notebook::pageChanging, this, &TProfrm::practicenbChange);
    connect(Checkbt, &QPushButton::clicked, this, &TProfrm::CheckbtClick);
    connect(nextbt, &QPushButton::clicked, this, &TProfrm::nextbtClick);
    connect(Returnbt, &QPushButton::clicked, this, &QDialog::accept);
    onRadioChecked({Normalrb, linerb}, this, [this] { NormalrbClick(); });
    onRadioChecked({pointsrb, wavefrontrb, pandlrb}, this, [this] { wavefrontrbClick(); });
    // The mouse takes a handle on its own shape; the keyboard takes it on the picture.
    proim->enableKeyboardDrag([this](QPoint at) { return page_ == 2 && handleAt(at); });
    connect(proim, &ImageView::pressed, this, [this](QMouseEvent *event) {
        keyHeld_ = page_ == 2 ? handleAt(event->position().toPoint()) : std::nullopt;
        handledrag_ = keyHeld_.has_value();
        heldFrom_ = handles_;
    });
    connect(proim, &ImageView::moved, this, [this](QMouseEvent *event) {
        const QPoint at = event->position().toPoint();
        if (keyHeld_)
            handleMouseMove(*keyHeld_, at);
        else
            proimMouseMove(at.x(), at.y());
    });
    connect(proim, &ImageView::released, this, [this] {
        if (keyHeld_) {
            keyHeld_.reset();
            handledrag_ = false;
            return;
        }
        proimMouseUp();
    });
    connect(proim, &ImageView::dragCancelled, this, [this] {
        handles_ = heldFrom_;
        placeHandles();
        plotbt();
    });
}

void TProfrm::FormCreate()
{
    newAngleTask(angle_, random_);
    measuring_.clickstep = 0;
    plotbt();
}

int TProfrm::exec()
{
    FormActivate();
    return QDialog::exec();
}

void TProfrm::FormActivate()
{
    practicenb->setPage(0);
    measuring_.clickstep = 0;
    plotbt();
}

void TProfrm::setZoom(int zoom)
{
    proim->setZoom(zoom);
    const QSize grown(practiceWidth * (zoom - 1), practiceHeight * (zoom - 1));
    lower_->move(grown.width() / 2, 266 + grown.height());
    setFixedSize(QSize(425, 447) + grown);
    placeHandles();
}

void TProfrm::setColours(const Palette &colours)
{
    colours_ = colours;
    const QColor ink = QColor::fromRgb(colours.ink);
    csh->setColours(QColor::fromRgb(colours.mark), QColor());
    msh->setColours(ink, QColor());
    lsh->setColours(ink, QColor::fromRgb(colours.ground));
    dsh->setColours(ink, ink);
    plotbt();
}

void TProfrm::practicenbChange(int page)
{
    page_ = page;
    lesson_.lessonstep = -1;
    proim->setCursor(page == 2 ? Qt::ArrowCursor : Qt::CrossCursor);
    if (page == 2)
        resetbt();
    for (ShapeLayer *shape : handleShapes())
        shape->setVisible(page == 2);
    nextbtClick();
}

void TProfrm::nextbtClick()
{
    if (page_ == 0) {
        newAngleTask(angle_, random_);
    } else if (page_ == 1) {
        newRulerTask(ruler_, random_);
    } else {
        nextLesson(lesson_, handles_, random_);
        resetbt();
    }
    measuring_.clickstep = 0;
    plotbt();
}

void TProfrm::plotbt()
{
    if (page_ == 0)
        plotAngleTask(canvas_, angle_, colours_);
    else if (page_ == 1)
        plotRulerTask(canvas_, ruler_, measuring_, colours_);
    else
        plotRays(canvas_, lesson_, handles_, colours_);
    describeForReaders(proim, description());
    proim->update();
}

QString TProfrm::description() const
{
    if (page_ == 0)
        return Normalrb->isChecked()
                   ? tr("Protractor practice: measure the angle from the normal")
                   : tr("Protractor practice: measure the angle between two lines");
    if (page_ == 1)
        return pointsrb->isChecked()      ? tr("Ruler practice: measure the length "
                                                    "between the two points")
               : wavefrontrb->isChecked() ? tr("Ruler practice: measure the length "
                                               "between the wavefronts")
                                          : tr("Ruler practice: measure the length "
                                               "from the point to the line");
    return tr("Ray movement practice: a ray with four handles to drag");
}

void TProfrm::CheckbtClick()
{
    const double offered = ang2rb->isChecked() ? measuring_.reading2 : measuring_.reading1;
    const Verdict verdict = page_ == 0   ? judgeAngle(angle_, offered)
                            : page_ == 1 ? judgeLength(ruler_, measuring_)
                                         : judgeRays(lesson_, handles_);
    dialogs_.message(this, verdict.kind, windowTitle(), verdict.text);
}

void TProfrm::NormalrbClick()
{
    angle_.fromNormal = Normalrb->isChecked();
    nextbtClick();
}

void TProfrm::wavefrontrbClick()
{
    ruler_.kind = wavefrontrb->isChecked() ? LengthTask::Wavefronts
                  : pandlrb->isChecked()   ? LengthTask::PointAndLine
                                           : LengthTask::TwoPoints;
    nextbtClick();
}

void TProfrm::proimMouseMove(int X, int Y)
{
    hintlb->clear();
    const QPoint at(X, Y);
    if (page_ == 0) {
        const ReadingCaptions captions = protractorMove(canvas_, measuring_, angle_, at, colours_);
        if (captions.Ang1rb)
            Ang1rb->setText(*captions.Ang1rb);
        if (captions.ang2rb)
            ang2rb->setText(*captions.ang2rb);
        proim->update();
        return;
    }
    const QString distance = rulerMove(measuring_, at);
    plotbt();
    anallb->setText(distance);
}

void TProfrm::proimMouseUp()
{
    measuring_.clickstep = (measuring_.clickstep + 1) % (page_ == 0 ? 4 : 3);
    handledrag_ = false;
}

void TProfrm::resetbt()
{
    handles_ = resetHandles(lesson_);
    placeHandles();
}

void TProfrm::placeHandles()
{
    const std::array<QPoint, 4> at{handles_.csh, handles_.msh, handles_.lsh, handles_.dsh};
    const std::array<ShapeLayer *, 4> shapes = handleShapes();
    for (std::size_t i = 0; i < shapes.size(); ++i)
        shapes[i]->move(at[i] * proim->zoom() - QPoint(2, 2));
}

void TProfrm::handleMouseMove(Handle handle, QPoint at)
{
    hintlb->setText(handleHint(handle));
    if (!handledrag_)
        return;
    // a handle dragged off the picture could not be caught again
    const QPoint inside(std::clamp(at.x(), 0, practiceWidth - 1),
                        std::clamp(at.y(), 0, practiceHeight - 1));
    handles_ = dragHandle(handles_, handle, inside);
    placeHandles();
    plotbt();
}

std::optional<Handle> TProfrm::handleAt(QPoint at) const
{
    const std::array<ShapeLayer *, 4> shapes = handleShapes();
    for (std::size_t i = 0; i < shapes.size(); ++i)
        if (shapes[i]->isVisible() && shapes[i]->geometry().contains(at))
            return Handle(i);
    return std::nullopt;
}

bool TProfrm::eventFilter(QObject *watched, QEvent *event)
{
    const std::array<ShapeLayer *, 4> shapes = handleShapes();
    const auto found = std::find(shapes.begin(), shapes.end(), watched);
    if (found == shapes.end())
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        handledrag_ = true;
        return true;
    case QEvent::MouseButtonRelease:
        handledrag_ = false;
        return true;
    case QEvent::MouseMove: {
        // In picture pixels: the whole block of a zoomed pixel is that pixel.
        const QPoint shown =
            (*found)->mapToParent(static_cast<QMouseEvent *>(event)->position().toPoint());
        const int zoom = proim->zoom();
        const QPoint at(int(std::floor(double(shown.x()) / zoom)),
                        int(std::floor(double(shown.y()) / zoom)));
        handleMouseMove(Handle(found - shapes.begin()), at);
        return true;
    }
    default:
        return QDialog::eventFilter(watched, event);
    }
}

} // namespace wave
