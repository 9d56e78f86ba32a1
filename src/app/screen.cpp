#include "app/screen.h"

Screen::Screen(Program &program, const FormSpec &layout) : m_program(program), m_layout(layout) {}

Screen::~Screen()
{
    delete m_form;
}

void Screen::open()
{
    m_form = new Form(m_layout, m_program.sounds(), m_program.windowMode());
    on(m_form.data(), &Form::closeRequested, [this] { close(); });
    on(m_form.data(), &Form::fullScreenKeyPressed, [this] { m_program.toggleFullScreen(); });
    connectHandlers(*m_form);
    load();
    m_form->showCentred();
}

void Screen::close()
{
    if (!m_form)
        return;
    Form *closing = m_form;
    m_form = nullptr;
    closing->stopTimers();
    closing->hide();
    closing->deleteLater();
}
