// SPDX-License-Identifier: GPL-3.0-or-later
#include "slit/experiment_file.h"
#include "slit/light_window.h"

#include "platform/dialogs.h"
#include "platform/file_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QToolButton>

namespace wave {

namespace {

constexpr int loadDataItem = 7;
const QString marker = QStringLiteral("Start Data");

// The lines of the comment box: none when it is empty, and a final line end adds no line.
QStringList commentLines(const QString &text)
{
    // A pasted carriage return would end a line in the file as well.
    QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    if (lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

void Tpattfrm::ExpcbEnter()
{
    dataloaded = false;
}

void Tpattfrm::ExpcbChange()
{
    const int index = Expcb->currentIndex();
    if (index != loadDataItem)
        dataloaded = false;
    singleslitrb->setVisible(index == 0);
    doubleslitrb->setVisible(index == 0);
    if (index == 0) {
        scrsb->setValue(scrsb->minimum());
        for (QWidget *shown : std::initializer_list<QWidget *>{scrsb, scrlb, widthsb, widthlb})
            shown->show();
        widthsb->setValue(80);
        wavesb->show();
        wavelb->show();
        wavesb->setValue(400);
        return;
    }
    if (index == loadDataItem && dataloaded)
        return;
    for (QWidget *hidden : std::initializer_list<QWidget *>{scrsb, widthsb, wavesb})
        hidden->hide();
    for (QWidget *shown : std::initializer_list<QWidget *>{scrlb, widthlb, wavelb})
        shown->show();
    if (index < loadDataItem) {
        apply(preparedExperiments[static_cast<std::size_t>(index - 1)]);
        return;
    }
    const QString path =
        files_.openFile(this, tr("Load Data"),
                        {QStringLiteral("*.int"), QStringLiteral("*.int"), QStringLiteral("int")});
    if (path.isEmpty())
        return;
    dataloaded = true;
    loadData(path);
}

void Tpattfrm::apply(const Experiment &experiment)
{
    if (experiment.kind == SlitKind::Single)
        selectSingleSlit();
    else
        selectDoubleSlit();
    switch (experiment.hidden) {
    case Hidden::Screen:
        scrlb->hide();
        break;
    case Hidden::Slit:
        widthlb->hide();
        break;
    case Hidden::Wavelength:
        wavelb->hide();
        break;
    case Hidden::None:
        break;
    }
    scrsb->setValue(experiment.screen);
    widthsb->setValue(experiment.slit);
    wavesb->setValue(experiment.wave);
}

void Tpattfrm::loadData(const QString &path)
{
    // Read and checked whole before anything changes, so a bad file leaves the window as it is.
    const LoadOutcome outcome = loadExperimentFile(path);
    switch (outcome.status) {
    case LoadStatus::Loaded:
        apply(experimentFromRecord(outcome.record));
        return;
    case LoadStatus::NoData:
        dialogs_.message(this, MessageKind::Information, windowTitle(),
                         tr("No Data loaded!  Try again!"));
        return;
    case LoadStatus::Failed:
        dialogs_.message(this, MessageKind::Error, windowTitle(), outcome.error);
        return;
    }
}

QList<QWidget *> Tpattfrm::settingControls() const
{
    return {scrsb, widthsb, exitbt, wavesb, Expcb, singleslitrb, doubleslitrb, bwcb};
}

void Tpattfrm::Experiment1Click()
{
    Memo1->setPlainText(QStringLiteral("*Insert Comment Here*"));
    memoTag_ = 0; // also when the panel is open already: the placeholder goes on entering
    for (QWidget *control : settingControls())
        control->setEnabled(false);
    Savegb->show();
    Savegb->raise();
}

void Tpattfrm::Memo1Enter()
{
    // The placeholder goes the first time the box is entered; the student's own text stays.
    if (memoTag_ == 1)
        return;
    Memo1->clear();
    memoTag_ = 1;
}

void Tpattfrm::SavebtClick()
{
    const QStringList comment = memoTag_ == 1 ? commentLines(Memo1->toPlainText()) : QStringList();
    // Such a line would end the comment when the file is read, and the rest be taken as data.
    if (comment.contains(marker)) {
        dialogs_.message(this, MessageKind::Warning, windowTitle(),
                         tr("A comment line may not read \"Start Data\": that line "
                            "starts the data in the file.\nPlease change it."));
        return;
    }
    const QString path =
        files_.saveFile(this, tr("Save Experiment"),
                        {tr("interference"), QStringLiteral("*.int"), QStringLiteral("int")});
    if (path.isEmpty())
        return;
    const ExperimentRecord record{Showcb->currentIndex(), slitKind() == SlitKind::Single ? 1 : 2,
                                  scrsb->value(), widthsb->value(), wavesb->value()};
    const QString error = saveExperimentFile(path, experimentFileBytes(comment, record));
    if (!error.isEmpty()) {
        dialogs_.message(this, MessageKind::Error, windowTitle(), error);
        return;
    }
    CancelbtClick();
}

void Tpattfrm::CancelbtClick()
{
    memoTag_ = 0;
    for (QWidget *control : settingControls())
        control->setEnabled(true);
    Savegb->hide();
}

} // namespace wave
