// SPDX-License-Identifier: GPL-3.0-or-later
#include "slit/light_window.h"

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/readers.h"
#include "slit/light_pattern.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace wave {

namespace {

const QColor windowColour(254, 253, 199);
const QColor panelColour(169, 150, 109);

} // namespace

Tpattfrm::Tpattfrm(Dialogs &dialogs, FileDialogs &files, Clipboard &clipboard, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      patternim(patternWidth, patternHeight, QImage::Format_RGB32),
      displaycolour(patternWidth, patternHeight, QImage::Format_RGB32), dialogs_(dialogs),
      files_(files), clipboard_(clipboard), patternCanvas_(patternim), colourCanvas_(displaycolour)
{
    setObjectName(QStringLiteral("pattfrm"));
    setWindowTitle(tr("Light Interference"));
    QFont systemFont = font();
    systemFont.setPixelSize(13);
    setFont(systemFont);
    patternim.fill(Qt::white);
    displaycolour.fill(Qt::white);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(791, 219);
    client_ = client;
    paintBackground(client, windowColour);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setMenuBar(new QMenuBar(this));
    layout->addWidget(client);

    buildMenus();
    buildControls(client);
    buildSavePanel(client);
    outCanvas_ = std::make_unique<BitmapCanvas>(outim->image());
    nameForReaders({{scrsb, QT_TRANSLATE_NOOP("Readers", "Screen distance")},
                    {widthsb, QT_TRANSLATE_NOOP("Readers", "Slit width")},
                    {wavesb, QT_TRANSLATE_NOOP("Readers", "Wavelength")},
                    {Expcb, QT_TRANSLATE_NOOP("Readers", "Experiment")},
                    {exitbt, QT_TRANSLATE_NOOP("Readers", "Close")},
                    {outim, QT_TRANSLATE_NOOP("Readers", "Light pattern")},
                    {Showcb, QT_TRANSLATE_NOOP("Readers", "What the saved file shows")},
                    {Memo1, QT_TRANSLATE_NOOP("Readers", "Comment")}});
    readLikeLabel(scrsb, screenText, tr("centimetres"));
    readLikeLabel(
        widthsb, [this](int microns) { return slitText(slitKind(), microns); }, tr("micrometres"));
    readLikeLabel(wavesb, wavelengthText, tr("nanometres"));
    connectHandlers();
    FormCreate();
}

void Tpattfrm::buildMenus()
{
    auto *bar = static_cast<QMenuBar *>(layout()->menuBar());
    File1 = bar->addMenu(tr("&File"));
    File1->setObjectName(QStringLiteral("File1"));
    Experiment1 = File1->addAction(tr("&Save Experiment"));
    Copy1 = File1->addAction(tr("&Copy"));
    Copy1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    ExportPicture1 = File1->addAction(tr("E&xport Picture..."));
    ExportPicture1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    ExportData1 = File1->addAction(tr("Export &Data..."));
    Exit1 = File1->addAction(tr("Ex&it"));
    Back1 = bar->addAction(tr("&Back"));
    Help1 = bar->addMenu(tr("Help"));
    Help1->setObjectName(QStringLiteral("Help1"));
    Contents1 = Help1->addAction(tr("&Contents"));
    Contents1->setShortcut(QKeySequence(Qt::Key_F1));
    About1 = Help1->addAction(tr("About"));
    const std::array<std::pair<QAction *, const char *>, 8> named{
        {{Experiment1, "Experiment1"},
         {Copy1, "Copy1"},
         {ExportPicture1, "ExportPicture1"},
         {ExportData1, "ExportData1"},
         {Exit1, "Exit1"},
         {Back1, "Back1"},
         {Contents1, "Contents1"},
         {About1, "About1"}}};
    for (auto [action, name] : named)
        action->setObjectName(QLatin1String(name));
}

void Tpattfrm::buildControls(QWidget *client)
{
    Panel1 = new QFrame(client);
    place(Panel1, "Panel1", {3, 3, 785, 97});
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(3);
    paintBackground(Panel1, panelColour);
    outim = new ImageView(patternWidth, patternHeight, Panel1);
    outim->enableKeyboardPointer();
    place(outim, "outim", {8, 8, patternWidth, patternHeight});
    outim->setMouseTracking(true);
    // Its pop-up menu holds the one item "&Copy".
    outim->addAction(Copy1);
    outim->setContextMenuPolicy(Qt::ActionsContextMenu);

    // Set to their creation values by FormCreate, so that each handler runs once.
    scrlb = label(client, "scrlb", QString(), {10, 106, 190, 18});
    scrsb = bar(client, "scrsb", 100, 500, 100, 10, {10, 126, 190, 16});
    widthlb = label(client, "widthlb", QString(), {210, 106, 190, 18});
    widthsb = bar(client, "widthsb", 1, 200, 1, 10, {210, 126, 190, 16});
    wavelb = label(client, "wavelb", QString(), {410, 106, 190, 18});
    wavesb = bar(client, "wavesb", 0, 1536, 0, 10, {410, 126, 190, 16});

    singleslitrb = radio(client, "singleslitrb", tr(" &Single Slit"), {10, 156, 110, 20});
    singleslitrb->setChecked(true);
    doubleslitrb = radio(client, "doubleslitrb", tr(" &Double Slit"), {10, 180, 110, 20});
    bwcb = checkBox(client, "bwcb", tr(" Black and &white"), {130, 156, 150, 20});
    measurecb = checkBox(client, "measurecb", tr(" &Measure"), {130, 180, 100, 20});
    mealb = label(client, "mealb", tr("Length: 0.00 mm"), {240, 182, 160, 18});
    mealb->hide();

    Label1 = label(client, "Label1", tr("Experiment #"), {410, 156, 130, 18});
    Expcb = new NamedList(client);
    place(Expcb, "Expcb", {410, 176, 130, 24});
    Expcb->addItems({tr("No Experiment"), QStringLiteral("1"), QStringLiteral("2"),
                     QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"),
                     QStringLiteral("6"), tr("Load Data")});

    exitbt = new QToolButton(client);
    place(exitbt, "exitbt", {722, 150, 57, 57});
    exitbt->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    exitbt->setIconSize(QSize(40, 40));
    exitbt->setToolTip(tr("Close"));

    client->setMouseTracking(true);
    client->installEventFilter(this);
}

void Tpattfrm::buildSavePanel(QWidget *client)
{
    Savegb = group(client, "Savegb", tr("Save Options"), {195, 8, 400, 200});
    paintBackground(Savegb, panelColour);
    Showcb = new NamedList(Savegb);
    place(Showcb, "Showcb", {12, 24, 200, 24});
    Showcb->addItems({tr("Show All"), tr("Hide Screen distance"), tr("Hide Slit Separation"),
                      tr("Hide Wavelength")});
    Memo1 = new QPlainTextEdit(QStringLiteral("*Insert Comment here*"), Savegb);
    place(Memo1, "Memo1", {12, 56, 376, 96});
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setTabChangesFocus(true);
    Savebt = button(Savegb, "Savebt", tr("Sa&ve"), {208, 162, 84, 28});
    Cancelbt = button(Savegb, "Cancelbt", tr("&Cancel"), {304, 162, 84, 28});
    Savegb->hide();
}

void Tpattfrm::connectHandlers()
{
    connect(scrsb, &QScrollBar::valueChanged, this, &Tpattfrm::scrsbChange);
    connect(widthsb, &QScrollBar::valueChanged, this, &Tpattfrm::widthsbChange);
    connect(wavesb, &QScrollBar::valueChanged, this, &Tpattfrm::wavesbChange);
    onRadioChecked({singleslitrb, doubleslitrb}, this, [this] { widthsbChange(); });
    connect(bwcb, &QCheckBox::toggled, this, &Tpattfrm::patternbt);
    connect(measurecb, &QCheckBox::toggled, this, &Tpattfrm::measurecbClick);
    connect(outim, &ImageView::moved, this,
            [this](QMouseEvent *event) { outimMouseMove(event->position().toPoint()); });
    connect(outim, &ImageView::released, this,
            [this](QMouseEvent *event) { outimMouseUp(event->position().toPoint()); });

    connect(Copy1, &QAction::triggered, this, &Tpattfrm::Copy1Click);
    connect(Exit1, &QAction::triggered, this, &QWidget::close);
    connect(Back1, &QAction::triggered, this, &QWidget::close);
    connect(exitbt, &QToolButton::clicked, this, &QWidget::close);
    connect(About1, &QAction::triggered, this, &Tpattfrm::About1Click);
    connect(ExportPicture1, &QAction::triggered, this, &Tpattfrm::ExportPicture1Click);
    connect(ExportData1, &QAction::triggered, this, &Tpattfrm::ExportData1Click);
    connect(Contents1, &QAction::triggered, this, [this] {
        if (showHelp)
            showHelp();
    });

    connect(Expcb, &QComboBox::activated, this, &Tpattfrm::ExpcbChange);
    onFocusChange(
        Expcb, [this] { ExpcbEnter(); }, [this] { ExpcbChange(); });
    connect(Experiment1, &QAction::triggered, this, &Tpattfrm::Experiment1Click);
    onFocusChange(
        Memo1, [this] { Memo1Enter(); }, nullptr);
    connect(Savebt, &QPushButton::clicked, this, &Tpattfrm::SavebtClick);
    connect(Cancelbt, &QPushButton::clicked, this, &Tpattfrm::CancelbtClick);
}

void Tpattfrm::FormCreate()
{
    colourbt();
    patternbt();
    measurecb->setChecked(false);
    scrsb->setValue(150);
    widthsb->setValue(75);
    wavesb->setValue(450);
    measure.step = 0;
    dataloaded = false;
}

void Tpattfrm::FormShow()
{
    measurecb->setChecked(false);
    scrsb->setValue(scrsb->minimum());
    for (QWidget *shown : std::initializer_list<QWidget *>{scrsb, scrlb, widthsb, widthlb, wavesb,
                                                           wavelb, singleslitrb, doubleslitrb})
        shown->show();
    widthsb->setValue(80);
    wavesb->setValue(400);
    selectSilently(Expcb, 0);
    singleslitrb->setFocus();
    dataloaded = false;
}

void Tpattfrm::setZoom(int zoom)
{
    const QSize before(patternWidth * (zoom_ - 1), patternHeight * (zoom_ - 1));
    zoom_ = zoom;
    const QSize grown(patternWidth * (zoom - 1), patternHeight * (zoom - 1));
    outim->setZoom(zoom);
    Panel1->resize(QSize(785, 97) + grown);
    // The controls below the picture move down with its bottom edge.
    const int down = grown.height() - before.height();
    for (QWidget *control : client_->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (control != Panel1 && control != Savegb)
            control->move(control->x(), control->y() + down);
    client_->setFixedSize(QSize(791, 219) + grown);
}

void Tpattfrm::setColours(const Palette &colours)
{
    colours_ = colours;
    if (rulerShown_)
        probt();
}

void Tpattfrm::selectDoubleSlit()
{
    doubleslitrb->setChecked(true);
}

void Tpattfrm::selectSingleSlit()
{
    singleslitrb->setChecked(true);
}

int Tpattfrm::exec()
{
    FormShow();
    return QDialog::exec();
}

void Tpattfrm::done(int result)
{
    // A save panel left open would keep the setting's controls disabled at the next showing.
    if (!Savegb->isHidden())
        CancelbtClick();
    QDialog::done(result);
}

void Tpattfrm::keyPressEvent(QKeyEvent *event)
{
    // Escape backs out of the save panel first, and closes the window only after that.
    if (event->key() == Qt::Key_Escape && !Savegb->isHidden()) {
        CancelbtClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool Tpattfrm::eventFilter(QObject *watched, QEvent *event)
{
    // Only moves over the window's own background count, not those passed up by a control.
    if (event->type() == QEvent::MouseMove) {
        const auto *client = static_cast<QWidget *>(watched);
        if (!client->childAt(static_cast<QMouseEvent *>(event)->position().toPoint()))
            FormMouseMove();
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace wave
