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

// A screen's window, built from its layout table: a fixed-size window with
// the layout's caption, client size and back colour, centred when shown, and
// its controls stacked in layout order. Controls are found by name; the
// label arrays are put together once, with the window.
class Form : public QWidget
{
    Q_OBJECT

public:
    Form(const FormSpec &layout, SoundFactory &sounds);
    ~Form() override;

    QString caption() const { return windowTitle(); }
    QRgb backColor() const { return m_backColor; }

    Label *label(const QString &name) const;
    Image *image(const QString &name) const;
    CommandButton *button(const QString &name) const;
    ListBox *list(const QString &name) const;
    Timer *timer(const QString &name) const;
    SoundPlayer *player(const QString &name) const;
    const ControlArray<Label> &labelArray(const QString &name) const;
    const QList<Control *> &controls() const { return m_stack; }
    QList<Timer *> timers() const;

    void showCentred();
    void stopTimers();

signals:
    void mouseMoved();
    void closeRequested();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void addControl(const ControlSpec &row, SoundFactory &sounds);
    void setTabOrder(const FormSpec &layout);
    void collectLabelArrays();
    template <typename T> T *find(const QString &name) const;

    QRgb m_backColor;
    QList<Control *> m_stack;
    QHash<QString, Control *> m_controls;
    QHash<QString, Timer *> m_timers;
    std::map<QString, ControlArray<Label>> m_labelArrays;
    std::map<QString, std::unique_ptr<SoundPlayer>> m_players;
    // The buttons and lists in Tab order: a window opens with the focus on
    // the first one shown. Labels and pictures that are tab stops are
    // reached by Tab only.
    QList<QWidget *> m_focusOrder;
};

#endif
