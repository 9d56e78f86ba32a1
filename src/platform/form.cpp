#include "platform/form.h"
#include "platform/commandbutton.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/listbox.h"
#include "platform/timer.h"
#include "platform/twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <algorithm>

namespace {

constexpr Qt::WindowFlags FixedWindow = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

QString controlKey(const QString &name, int index)
{
    return index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index);
}

bool takesFocus(const ControlSpec &control)
{
    return control.kind == ControlKind::Button || control.kind == ControlKind::List ||
           control.tabStop;
}

} // namespace

// The controls are made after the window has its size for the mode, so that
// each is placed and drawn at the final factor from the start.
Form::Form(const FormSpec &layout, SoundFactory &sounds, WindowMode mode)
    : QWidget(nullptr, FixedWindow), m_backColor(layout.backColor),
      m_layoutSize(twipsToPixels(layout.clientWidth), twipsToPixels(layout.clientHeight)),
      m_mode(mode), m_stage(new QWidget(this))
{
    setObjectName(layout.name);
    setWindowTitle(layout.caption);
    setMouseTracking(true);
    // Moves over the bare layout go on to the window, as they do in the
    // normal window.
    m_stage->setMouseTracking(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(layout.backColor));
    setPalette(colours);
    setAutoFillBackground(true);
    fitWindowToMode();

    // Built from the back to the front, so that each control lies in front
    // of every control listed after it.
    for (auto row = layout.controls.rbegin(); row != layout.controls.rend(); ++row)
        addControl(*row, sounds);
    std::reverse(m_stack.begin(), m_stack.end());
    setTabOrder(layout);
    collectArrays();

    auto *fullScreenKey = new QShortcut(QKeySequence(Qt::Key_F11), this);
    fullScreenKey->setAutoRepeat(false);
    connect(fullScreenKey, &QShortcut::activated, this, &Form::fullScreenKeyPressed);
}

Form::~Form() = default;

void Form::addControl(const ControlSpec &row, SoundFactory &sounds)
{
    Control *control = nullptr;
    switch (row.kind) {
    case ControlKind::Timer:
        m_timers.insert(row.name, new Timer(row.name, 0, this));
        return;
    case ControlKind::Player:
        m_players[row.name] = sounds.create(row.name);
        return;
    case ControlKind::Button:
        control = new CommandButton(row, m_stage);
        break;
    case ControlKind::Label:
        control = new Label(row, m_stage);
        break;
    case ControlKind::Image:
        control = new Image(row, m_stage);
        break;
    case ControlKind::List:
        control = new ListBox(row, m_stage);
        break;
    }
    m_stack.append(control);
    m_controls.insert(controlKey(row.name, row.index), control);
}

void Form::setTabOrder(const FormSpec &layout)
{
    std::vector<const ControlSpec *> order;
    for (const ControlSpec &control : layout.controls)
        if (takesFocus(control) && control.tabIndex >= 0)
            order.push_back(&control);
    std::sort(order.begin(), order.end(),
              [](auto *a, auto *b) { return a->tabIndex < b->tabIndex; });
    QWidget *previous = nullptr;
    for (const ControlSpec *control : order) {
        QWidget *widget = m_controls.value(controlKey(control->name, control->index));
        if (previous)
            QWidget::setTabOrder(previous, widget);
        if (!control->tabStop)
            m_focusOrder.append(widget);
        previous = widget;
    }
}

template <typename T> T *Form::find(const QString &name) const
{
    T *control = qobject_cast<T *>(m_controls.value(name));
    if (!control)
        throw Failure(
            QStringLiteral("画面 %1 にコントロール %2 がありません。").arg(objectName(), name));
    return control;
}

Label *Form::label(const QString &name) const
{
    return find<Label>(name);
}

Image *Form::image(const QString &name) const
{
    return find<Image>(name);
}

CommandButton *Form::button(const QString &name) const
{
    return find<CommandButton>(name);
}

ListBox *Form::list(const QString &name) const
{
    return find<ListBox>(name);
}

Timer *Form::timer(const QString &name) const
{
    Timer *timer = m_timers.value(name);
    if (!timer)
        throw Failure(
            QStringLiteral("画面 %1 にタイマー %2 がありません。").arg(objectName(), name));
    return timer;
}

SoundPlayer *Form::player(const QString &name) const
{
    const auto found = m_players.find(name);
    if (found == m_players.end())
        throw Failure(QStringLiteral("画面 %1 にサウンドプレーヤー %2 がありません。")
                          .arg(objectName(), name));
    return found->second.get();
}

namespace {

template <typename T>
void collectArray(const QList<Control *> &stack, std::map<QString, ControlArray<T>> &into)
{
    std::map<QString, QMap<int16_t, T *>> arrays;
    for (Control *control : stack)
        if (auto *element = qobject_cast<T *>(control); element && control->index() >= 0)
            arrays[control->name()].insert(int16_t(control->index()), element);
    for (auto &[name, elements] : arrays)
        into.try_emplace(name, name, std::move(elements));
}

template <typename T>
const ControlArray<T> &findArray(const std::map<QString, ControlArray<T>> &arrays,
                                 const QString &form, const QString &name)
{
    const auto found = arrays.find(name);
    if (found == arrays.end())
        throw Failure(
            QStringLiteral("画面 %1 にコントロール配列 %2 がありません。").arg(form, name));
    return found->second;
}

} // namespace

void Form::collectArrays()
{
    collectArray(m_stack, m_labelArrays);
    collectArray(m_stack, m_imageArrays);
}

const ControlArray<Label> &Form::labelArray(const QString &name) const
{
    return findArray(m_labelArrays, objectName(), name);
}

const ControlArray<Image> &Form::imageArray(const QString &name) const
{
    return findArray(m_imageArrays, objectName(), name);
}

QList<Timer *> Form::timers() const
{
    return m_timers.values();
}

void Form::stopTimers()
{
    for (Timer *timer : std::as_const(m_timers))
        timer->setInterval(0);
}

QRect Form::layoutArea() const
{
    return m_stage->geometry();
}

void Form::showCentred()
{
    present();
    focusFirstControl();
}

// The focus stays where it is.
void Form::setWindowMode(WindowMode mode)
{
    if (mode == m_mode)
        return;
    m_mode = mode;
    if (isVisible())
        present();
    else
        fitWindowToMode();
}

// A window manager may keep its own idea of the window's size: full screen
// it gives its own geometry, which resizeEvent follows, and back from full
// screen the size is set again once the window is no longer full screen.
// On X11 without a window manager nothing gives a new window the keyboard,
// so the form asks for it there; Wayland compositors give it themselves and
// refuse the request with a warning.
void Form::present()
{
    if (m_mode == WindowMode::FullScreen) {
        fitWindowToMode();
        setWindowState(windowState() | Qt::WindowFullScreen);
    } else {
        if (isFullScreen())
            setWindowState(windowState() & ~Qt::WindowFullScreen);
        fitWindowToMode();
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    show();
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        activateWindow();
}

// Without a window manager nothing but the program makes a window as large
// as the display, so a full-screen form sets that size itself.
void Form::fitWindowToMode()
{
    if (m_mode == WindowMode::FullScreen) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        if (const QScreen *display = screen())
            setGeometry(display->geometry());
    } else {
        setFixedSize(m_layoutSize);
    }
    arrange();
}

// The layout's area at the largest factor that fits the window, centred;
// the controls are placed anew only when the factor changes.
void Form::arrange()
{
    qreal factor = 1;
    if (m_mode == WindowMode::FullScreen && !m_layoutSize.isEmpty())
        factor = std::min(qreal(width()) / m_layoutSize.width(),
                          qreal(height()) / m_layoutSize.height());
    const QSize area(qRound(m_layoutSize.width() * factor), qRound(m_layoutSize.height() * factor));
    m_stage->setGeometry(
        QRect(QPoint((width() - area.width()) / 2, (height() - area.height()) / 2), area));
    if (factor == m_factor)
        return;
    m_factor = factor;
    for (Control *control : std::as_const(m_stack))
        control->scaleChanged();
}

void Form::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    arrange();
}

void Form::focusFirstControl()
{
    const auto first = std::find_if(m_focusOrder.cbegin(), m_focusOrder.cend(),
                                    [this](QWidget *widget) { return widget->isVisibleTo(this); });
    if (first != m_focusOrder.cend())
        (*first)->setFocus(Qt::OtherFocusReason);
}

void Form::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit mouseMoved();
}

void Form::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

// The close box does not close the window by itself: the screen decides,
// so that the program's rules for ending apply.
void Form::closeEvent(QCloseEvent *event)
{
    event->ignore();
    emit closeRequested();
}
