#ifndef SCREEN_H
#define SCREEN_H

#include "app/program.h"
#include "platform/form.h"

#include <QObject>
#include <QPointer>

// One screen kind. The instance and its screen variables live for the whole
// run; its window and controls are built afresh from the layout at every
// opening and destroyed at every closing.
class Screen : public QObject
{
    Q_OBJECT

public:
    Screen(Program &program, const FormSpec &layout);
    ~Screen() override;

    const QString &name() const { return m_layout.name; }
    bool isOpen() const { return !m_form.isNull(); }
    Form *form() const { return m_form; }

    // Build the window, connect its handlers, run the loading routine, show.
    void open();
    // Stop its timers and take the window away. The handler that closes its
    // own screen may go on running: the window is deleted only once control
    // is back in the event loop.
    void close();

protected:
    virtual void connectHandlers(Form &form) = 0;
    virtual void load() = 0;

    Program &program() const { return m_program; }

    // Runs the handler through the program's dispatcher on each signal,
    // with the signal's arguments.
    template <typename Sender, typename Signal, typename Handler>
    void on(Sender *sender, Signal signal, Handler handler)
    {
        connect(sender, signal, m_form.data(), [this, handler](auto... args) {
            m_program.dispatch([handler, args...] { handler(args...); });
        });
    }

    // Runs the handler through the dispatcher when a sound of the player has
    // played to its end while the window is open.
    template <typename Handler> void onEnded(SoundPlayer *player, Handler handler)
    {
        player->setEndedHandler([this, handler] {
            if (isOpen())
                m_program.dispatch(handler);
        });
    }

    template <typename Element, typename Signal, typename Handler>
    void onEach(const ControlArray<Element> &array, Signal signal, Handler handler)
    {
        for (int16_t index : array.indices())
            on(array(index), signal, [handler, index] { handler(index); });
    }

private:
    Program &m_program;
    const FormSpec &m_layout;
    QPointer<Form> m_form;
};

#endif
