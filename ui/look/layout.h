// One scale for every window of the game, and the layouts it is applied to.
// Every window is laid out at 100 % as data (the sizes and places its code
// gives); a Layout keeps those and places the window at any scale: sizes,
// places, fonts, icons and pictures, reckoned each time from 100 %.
#pragma once

#include <QFont>
#include <QHash>
#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <vector>

#include "glyphs.h"

namespace zt {

// The scale the game's windows are laid out at, 1 at 100 %: the main
// window's, which it sets; every dialog opens at it.
qreal WindowScale();
void SetWindowScale(qreal scale);

inline int Scaled(int length, qreal scale) { return qRound(length * scale); }
inline QRect Scaled(const QRect& r, qreal scale) {
    return {Scaled(r.x(), scale), Scaled(r.y(), scale), Scaled(r.width(), scale),
            Scaled(r.height(), scale)};
}
// The font at scale, in pixels or points as it was given.
QFont ScaledFont(QFont font, qreal scale);

class Layout {
public:
    // A control at 100 %: its place, and its icon's size where it has one.
    void Place(QWidget* w, QRect base, QSize icon = {});
    // The art a control shows, read again with more pixels when scaled up.
    void ShowArt(QWidget* w, Art art);
    // Shows every control's art, with its larger art above scale 1.
    void ShowArtAt(qreal scale);
    // A control's font as it is now, its font at 100 %.
    void KeepFont(QWidget* w);
    // Notes a fixed-size window and everything in it as it stands now, its
    // 100 % layout: size, children's places, fonts set on them, icons and
    // label pictures. Once; later calls keep the first.
    void Note(QWidget* window);
    // Everything noted or placed, at scale.
    void Apply(qreal scale);
    bool Noted() const { return window_ != nullptr; }

private:
    struct Entry {
        QPointer<QWidget> widget;
        QRect geometry;
        QSize icon;
        bool ownFont = false;
        QFont font;
        QPixmap picture;
        Art art;
        bool largerArt = false; // its art is shown with more pixels already
    };
    Entry& EntryFor(QWidget* w);
    void ApplyArt(Entry& e, qreal scale);

    QPointer<QWidget> window_;
    QSize windowSize_;
    QFont windowFont_;
    std::vector<Entry> entries_;
    QHash<QWidget*, std::size_t> index_;
};

// A fixed-size dialog laid out at the game's scale (its Layout keeps 100 %).
void ScaleDialog(QWidget* dialog, Layout& layout, qreal scale = WindowScale());

} // namespace zt
