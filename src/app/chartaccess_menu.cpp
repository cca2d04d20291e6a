// The chart's context menu: pictures for worksheets and the glide of point 2.
#include "app/chartaccess.h"

#include "app/accesstexts.h"
#include "app/chartpicture.h"
#include "app/measuringpoints.h"
#include "chart/rchart.h"
#include "platform/controls/stdctrls.h"

#include <QApplication>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>

namespace {

// The dialog's title is the menu entry without its ellipsis.
QString titleOf(QString caption) {
    if (caption.endsWith(QStringLiteral("..."))) caption.chop(3);
    return caption;
}

} // namespace

void ChartAccess::buildMenu() {
    FMenu = std::make_unique<QMenu>();
    FCopyAction = FMenu->addAction(QString(), this, [this] { copyPicture(); });
    FSaveAction = FMenu->addAction(QString(), this, [this] { savePicture(); });
    FMenu->addSeparator();
    FGlideAction = FMenu->addAction(QString(), this, [this] { startGlide(); });
    FDialogs.ChooseFile = [this](const QString& proposal) {
        return QFileDialog::getSaveFileName(FControls.Window, titleOf(FTexts.SavePicture()), proposal,
                                            QStringLiteral("PNG (*.png)"));
    };
    FDialogs.ShowError = [this](const QString& message) {
        QMessageBox::warning(FControls.Window, titleOf(FTexts.SavePicture()), message);
    };
    retranslate();
}

void ChartAccess::retranslate() {
    FCopyAction->setText(FTexts.CopyPicture());
    FSaveAction->setText(FTexts.SavePicture());
    // After a tab the menu shows the chart's key that does the same.
    FGlideAction->setText(FTexts.Glide() + QStringLiteral("\tA"));
    nameProfileBox();
}

void ChartAccess::showMenu(QPoint globalPos) {
    FGlideAction->setEnabled(!FPoints.singlePoint());
    FMenu->popup(globalPos);
}

void ChartAccess::copyPicture() {
    copyPictureToClipboard(worksheetPicture(*FControls.Chart, *FControls.ReadoutPanel));
}

void ChartAccess::savePicture() {
    QString path = FDialogs.ChooseFile(defaultPicturePath());
    if (path.isEmpty()) return;
    if (!savePictureAsPng(worksheetPicture(*FControls.Chart, *FControls.ReadoutPanel), path))
        FDialogs.ShowError(FTexts.SaveFailed().arg(path));
}
