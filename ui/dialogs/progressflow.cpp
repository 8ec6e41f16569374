#include "progressflow.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QTimer>
#include <functional>
#include <utility>

#include "msgbox.h"
#include "progress.h"
#include "texts.h"

namespace zt {

namespace {

// The failure box's second line: what is wrong with the file, in words the
// player can act on where we know them, else the system's own.
QString LoadFailureReason(const QString& path, const QString& systemError) {
    const QFileInfo info(path);
    if (info.isDir())
        return QCoreApplication::translate("zt::ProgressFlow", "That is a folder, not a file.");
    if (info.exists() && !info.isFile())
        return QCoreApplication::translate("zt::ProgressFlow", "That is not a regular file.");
    if (info.exists() && !info.isReadable())
        return QCoreApplication::translate("zt::ProgressFlow", "You may not read that file.");
    return systemError;
}

QString LoadFailureBoxText(const QString& path, const QString& systemError) {
    const QString reason = LoadFailureReason(path, systemError);
    const QString text =
        QCoreApplication::translate("zt::ProgressFlow", "Error occured while loading file %1!").arg(path);
    return reason.isEmpty() ? text : text + QLatin1Char('\n') + reason;
}

// Calls back once the dialog it watches has closed (or gone), on the event
// loop's next turn: by then the code that opened the dialog may have opened
// the next (at quitting the question after the save dialog). Nothing is
// called back once the owner has gone.
class DialogClosing : public QObject {
public:
    DialogClosing(QWidget* dialog, QObject* owner, std::function<void()> then)
        : QObject(owner), owner_(owner), then_(std::move(then)) {
        dialog->installEventFilter(this);
        connect(dialog, &QObject::destroyed, this, &DialogClosing::Closed);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide)
            Closed();
        return QObject::eventFilter(watched, event);
    }

private:
    void Closed() {
        if (!then_)
            return;
        QTimer::singleShot(0, owner_ ? owner_ : qApp, std::exchange(then_, {}));
        deleteLater();
    }
    QObject* owner_;
    std::function<void()> then_;
};

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
    // The file type's name is German whatever the game speaks.
    dialog.setNameFilter(
        TextIn(Language::German, "zt::ProgressFlow",
               QT_TRANSLATE_NOOP("zt::ProgressFlow", "Zorbly Tarnel files (*.ztn)")));
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
    // Whatever was read, even in part, is all that can be known of the file;
    // with no file there the flags stay as they are.
    QString error;
    SolvedFlags flags = game->solvedFlags();
    const ProgressRead read = ReadProgressFile(*progressPath, flags, &error);
    game->RestoreSolvedFlags(flags);
    fileFlags = flags;
    if (read == ProgressRead::Failed)
        ErrorBox(parent, LoadFailureBoxText(*progressPath, error));
}

void ProgressFlow::LoadProgress() {
    // The folder of the current file; the dialog shows the folder, not the file.
    const QString chosen = ShowDialog(false, FolderPart(*progressPath), QString());
    if (chosen.isEmpty())
        return;
    LoadFile(chosen);
}

void ProgressFlow::LoadFile(const QString& chosen) {
    // A file that cannot be read changes nothing: the progress in play and
    // the file it will be saved to stay, so a slip in the dialog costs no
    // solved level. Only a name with nothing under it becomes the new file.
    if (ProgressFileExists(chosen) || QFileInfo(chosen).isDir()) {
        SolvedFlags loaded{};
        QString error;
        if (ReadProgressFile(chosen, loaded, &error) != ProgressRead::Ok) {
            ErrorBox(parent, LoadFailureBoxText(chosen, error));
            return;
        }
        // The file's flags take the place of those in play.
        const QString question = QCoreApplication::translate(
            "zt::ProgressFlow", "The levels solved since the last save will be lost. Load anyway?");
        if (!DespiteUnsavedSolves(question))
            return;
        game->RestoreSolvedFlags(loaded);
        fileFlags = loaded;
    } else {
        fileFlags = {};
    }
    *progressPath = chosen;
    if (updateCaption)
        updateCaption();
    if (drawGauge)
        drawGauge();
}

void ProgressFlow::LoadHandedOver(const QString& path) {
    handedOver = path;
    if (!waitingForDialogs)
        LoadHandedOverOnceNoDialog();
}

void ProgressFlow::LoadHandedOverOnceNoDialog() {
    // A dialog over a dialog: the one in front closes first.
    QWidget* open = QApplication::activeModalWidget();
    waitingForDialogs = open != nullptr;
    if (open) {
        new DialogClosing(open, parent, [this] { LoadHandedOverOnceNoDialog(); });
        return;
    }
    const QString path = std::exchange(handedOver, {});
    // A game on its way out has written where its progress goes.
    if (!quitting)
        LoadFile(path);
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
    QString name;
    for (;;) {
        const QString chosen = ShowDialog(true, folder, fileName);
        if (chosen.isEmpty())
            return;
        lastSaveChoice = chosen;
        name = WithProgressExtension(chosen);
        if (!ProgressFileExists(name))
            break;
        const QString question =
            QCoreApplication::translate("zt::ProgressFlow", "Game %1 already existing. Overwrite?")
                .arg(FileNamePart(name));
        if (WarningYesNo(parent, question))
            break;
        // Back to the dialog, on the name chosen last.
        folder = FolderPart(chosen);
        fileName = FileNamePart(chosen);
    }
    if (WriteProgressFile(name, game->solvedFlags())) {
        *progressPath = name;
        fileFlags = game->solvedFlags();
    } else {
        const QString text =
            QCoreApplication::translate("zt::ProgressFlow", "Cannot save game %1. Drive full or not writable.")
                .arg(FileNamePart(name));
        ErrorBox(parent, text);
    }
    if (updateCaption)
        updateCaption();
}

bool ProgressFlow::UnsavedSolves() const {
    const SolvedFlags& flags = game->solvedFlags();
    for (std::size_t i = 0; i < flags.size(); ++i) {
        if (flags[i] != 0 && fileFlags[i] == 0)
            return true;
    }
    return false;
}

bool ProgressFlow::DespiteUnsavedSolves(const QString& question) {
    // No by default: Enter right after leaving a file dialog keeps them.
    return !UnsavedSolves() || WarningYesNo(parent, question, false);
}

bool ProgressFlow::QuitDespiteUnsavedSolves() {
    quitting = DespiteUnsavedSolves(QCoreApplication::translate(
        "zt::ProgressFlow", "The levels solved since the last save will be lost. Quit anyway?"));
    return quitting;
}

} // namespace zt
