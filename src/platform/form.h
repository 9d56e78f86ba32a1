#ifndef FORM_H
#define FORM_H

#include "platform/controlarray.h"
#include "platform/layout.h"
#include "sound/soundplayer.h"

#include <QHash>
#include <QWidget>
#include <map>
#include <memory>

class CommandButton;
class Control;
class Image;
class Label;
class ListBox;
class Timer;

// How a form shows its layout: as a window of the layout's own size, or
// filling the display.
enum class WindowMode
{
    Normal,
    FullScreen
};

// A screen's window, built from its layout table: a fixed-size window with
// the layout's caption, client size and back colour, centred when shown, and
// its controls stacked in layout order. Controls are found by name; the
// label arrays are put together once, with the window.
//
// Full screen, the window covers the display and the layout is drawn at the
// factor s = min(W / w, H / h) of its size w x h on a display of W x H,
// centred; the back colour fills the margins. The factor lives here: every
// control turns its twips into pixels at it, so the screens never see it.
// F11 asks for the other mode; the form changes only when told to.
class Form : public QWidget
{
    Q_OBJECT

public:
    Form(const FormSpec &layout, SoundFactory &sounds, WindowMode mode = WindowMode::Normal);
    ~Form() override;

    QString caption() const { return windowTitle(); }
    QRgb backColor() const { return m_backColor; }

    WindowMode windowMode() const { return m_mode; }
    void setWindowMode(WindowMode mode);
    // Logical pixels to one pixel of the layout: 1 in the normal window.
    qreal scaleFactor() const { return m_factor; }
    // Where the layout is drawn, in the window's pixels.
    QRect layoutArea() const;

    Label *label(const QString &name) const;
    Image *image(const QString &name) const;
    CommandButton *button(const QString &name) const;
    ListBox *list(const QString &name) const;
    Timer *timer(const QString &name) const;
    SoundPlayer *player(const QString &name) const;
    const ControlArray<Label> &labelArray(const QString &name) const;
    const ControlArray<Image> &imageArray(const QString &name) const;
    const QList<Control *> &controls() const { return m_stack; }
    QList<Timer *> timers() const;

    void showCentred();
    void stopTimers();

signals:
    void mouseMoved();
    void closeRequested();
    void fullScreenKeyPressed();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void present();
    void fitWindowToMode();
    void arrange();
    void focusFirstControl();
    void addControl(const ControlSpec &row, SoundFactory &sounds);
    void setTabOrder(const FormSpec &layout);
    void collectArrays();
    template <typename T> T *find(const QString &name) const;

    QRgb m_backColor;
    QSize m_layoutSize;
    WindowMode m_mode;
    qreal m_factor = 1;
    // The controls' parent, covering the layout's area: what lies outside
    // it is cut off as at the edges of the normal window.
    QWidget *m_stage;
    QList<Control *> m_stack;
    QHash<QString, Control *> m_controls;
    QHash<QString, Timer *> m_timers;
    std::map<QString, ControlArray<Label>> m_labelArrays;
    std::map<QString, ControlArray<Image>> m_imageArrays;
    std::map<QString, std::unique_ptr<SoundPlayer>> m_players;
    // The buttons and lists in Tab order: a window opens with the focus on
    // the first one shown. Labels and pictures that are tab stops are
    // reached by Tab only.
    QList<QWidget *> m_focusOrder;
};

#endif
