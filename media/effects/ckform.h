// The main window's effects: its remembered position (restored when it is
// shown, saved when it is destroyed), centring when nothing valid is stored,
// and the opening effect of outlines growing from the mouse pointer.
#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <optional>

class QWidget;

namespace zt {

class TCKIniCtrl;

// "200,flags,show command,left,top,right,bottom"
struct WindowPlacement {
    int flags = 0;
    int showCommand = 1;
    QRect normal;  // left, top, right, bottom as stored (right/bottom exclusive)
};
std::optional<WindowPlacement> ParsePlacement(const QString& text);
QString PlacementText(const WindowPlacement& placement);

class TCKForm : public QObject {
    Q_OBJECT
public:
    TCKForm(QWidget* window, TCKIniCtrl* ini, QString section = QStringLiteral("common"),
            QString key = QStringLiteral("MainForm"));

    void RestorePlacement();
    void SavePlacement();  // call when the window goes, before its own clean-up
    void ExplodeEffect();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
    TCKIniCtrl* ini_;
    QString section_;
    QString key_;
};

}  // namespace zt
