#include "progressflow.h"

#include <QDir>
#include <QFileDialog>

#include "msgbox.h"
#include "progress.h"

namespace zt {

namespace {

const QString Filter = QStringLiteral("Zorbly Tarnel-Dateien (*.ztn)");

QString LoadFailureText(bool german, const QString& path) {
    return german ? QStringLiteral("Fehler beim Laden des Spiels ") + path + QLatin1Char('!')
                  : QStringLiteral("Error occured while loading file ") + path + QLatin1Char('!');
}

} // namespace

QString ProgressFlow::ShowDialog(bool save, const QString& folder, const QString& fileName) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Neither dialog insists on an existing file nor asks before overwriting:
    // the flows below test for themselves.
    dialog.setFileMode(QFileDialog::AnyFile);
    QFileDialog::Options options = QFileDialog::DontConfirmOverwrite;
    if (!nativeDialogs)
        options |= QFileDialog::DontUseNativeDialog;
    dialog.setOptions(options);
    dialog.setNameFilter(Filter);
    dialog.setDefaultSuffix(QStringLiteral("ztn"));
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    if (!fileName.isEmpty())
        dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : QDir::toNativeSeparators(files.first());
}

void ProgressFlow::StartUpRead() {
    if (!ProgressFileExists(*progressPath))
        return;
    if (ReadProgressFile(*progressPath, game->solvedFlags) == ProgressRead::Failed)
        ErrorBox(parent, LoadFailureText(game->German(), *progressPath));
}

void ProgressFlow::LoadProgress() {
    // The folder of the current file; the dialog shows the folder, not the file.
    const QString chosen = ShowDialog(false, FolderPart(*progressPath), QString());
    if (chosen.isEmpty())
        return;
    if (ProgressFileExists(chosen)) {
        game->solvedFlags.fill(0);
        if (ReadProgressFile(chosen, game->solvedFlags) == ProgressRead::Failed)
            ErrorBox(parent, LoadFailureText(game->German(), chosen));
    }
    *progressPath = chosen;
    if (updateCaption)
        updateCaption();
    if (drawGauge)
        drawGauge();
}

void ProgressFlow::SaveProgress() {
    QString folder;
    QString fileName;
    if (ProgressFileExists(*progressPath)) {
        folder = FolderPart(*progressPath);
        fileName = FileNamePart(*progressPath);
    } else {
        folder = programDir;
        fileName = FileNamePart(lastSaveChoice);
    }
    const bool german = game->German();
    QString name;
    for (;;) {
        const QString chosen = ShowDialog(true, folder, fileName);
        if (chosen.isEmpty())
            return;
        lastSaveChoice = chosen;
        name = WithProgressExtension(chosen);
        if (!ProgressFileExists(name))
            break;
        const QString question = german ? QStringLiteral("Spiel ") + FileNamePart(name) +
                                              QStringLiteral(" existiert bereits. Überschreiben?")
                                        : QStringLiteral("Game ") + FileNamePart(name) +
                                              QStringLiteral(" already existing. Overwrite?");
        if (WarningYesNo(parent, question))
            break;
        // Back to the dialog, on the name chosen last.
        folder = FolderPart(chosen);
        fileName = FileNamePart(chosen);
    }
    if (WriteProgressFile(name, game->solvedFlags)) {
        *progressPath = name;
    } else {
        const QString text =
            german
                ? QStringLiteral("Kann Spiel ") + FileNamePart(name) +
                      QStringLiteral(" nicht speichern. Datenträger voll oder nicht beschreibbar.")
                : QStringLiteral("Cannot save game ") + FileNamePart(name) +
                      QStringLiteral(". Drive full or not writable.");
        ErrorBox(parent, text);
    }
    if (updateCaption)
        updateCaption();
}

} // namespace zt
