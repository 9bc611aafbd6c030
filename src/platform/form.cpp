#include "platform/form.h"

#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QScrollBar>

namespace platform {

namespace {

std::vector<FormRefBase*>& registry()
{
    static std::vector<FormRefBase*> refs;
    return refs;
}

EndHandler& endHandler()
{
    static EndHandler h;
    return h;
}

// A check queued by an earlier program state (a test that has since reset
// everything) must not act on the next one.
unsigned generation = 0;
bool endCheckPending = false;
bool ended = false;

void runEndCheck(unsigned queuedIn)
{
    if (queuedIn != generation)
        return;
    endCheckPending = false;
    if (ended)
        return;
    const auto refs = registry();
    if (std::any_of(refs.begin(), refs.end(),
                    [](const FormRefBase* r) { return r->isShown() && r->loaded()->isMainWindow(); }))
        return;
    for (FormRefBase* ref : refs)
        ref->Unload();
    End();
}

}  // namespace

Form::Form(QWidget* parent) : QWidget(parent) {}

Form::~Form()
{
    if (ref_ && ref_->form_ == this)
        ref_->form_ = nullptr;
}

void Form::ShowModal()
{
    QPointer<Form> self(this);
    // Like a dialog, hand the keyboard back to the window underneath after.
    const QPointer<QWidget> underneath = QApplication::activeWindow();
    setWindowModality(Qt::ApplicationModal);
    show();
    QEventLoop loop;
    connect(this, &Form::hidden, &loop, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    if (isVisible())
        loop.exec(QEventLoop::DialogExec);
    if (self)
        self->setWindowModality(Qt::NonModal);
    if (underneath && underneath->isVisible())
        underneath->activateWindow();
}

void Form::setBusyPointer(bool busy)
{
    if (busy)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

void Form::showInFront()
{
    if (isVisible())
        raise();
    show();
}

void Form::closeEvent(QCloseEvent* event)
{
    // The window decides its own fate: the close box unloads it, which hides it.
    event->ignore();
    if (ref_)
        ref_->Unload();
}

void Form::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous()) {
        emit hidden();
        scheduleEndCheck();
    }
}

FormRefBase::FormRefBase()
{
    registry().push_back(this);
}

FormRefBase::~FormRefBase()
{
    auto& refs = registry();
    refs.erase(std::remove(refs.begin(), refs.end(), this), refs.end());
    if (form_)
        form_->ref_ = nullptr;  // QApplication is gone by now: leave the widget alone
}

Form* FormRefBase::load()
{
    if (form_)
        return form_;
    Form* form = create();
    form->ref_ = this;
    form_ = form;
    loading_ = true;
    form->Form_Load();
    loading_ = false;
    return form;
}

void FormRefBase::Unload()
{
    if (!form_ || loading_ || unloading_)
        return;
    unloading_ = true;
    Form* form = form_;
    form->Form_Unload();
    form_ = nullptr;
    form->ref_ = nullptr;
    unloading_ = false;
    form->hide();
    form->deleteLater();
    scheduleEndCheck();
}

bool FormRefBase::isShown() const
{
    return form_ && form_->isVisible();
}

bool anyFormLoaded()
{
    const auto& refs = registry();
    return std::any_of(refs.begin(), refs.end(), [](const FormRefBase* r) { return r->isLoaded(); });
}

EndHandler setEndHandler(EndHandler handler)
{
    return std::exchange(endHandler(), std::move(handler));
}

void End()
{
    ended = true;
    if (endHandler())
        endHandler()(0);
    else
        QCoreApplication::exit(0);
}

void scheduleEndCheck()
{
    if (endCheckPending || !QCoreApplication::instance())
        return;
    endCheckPending = true;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [g = generation] { runEndCheck(g); }, Qt::QueuedConnection);
}

void destroyAllForms()
{
    for (FormRefBase* ref : registry()) {
        if (Form* form = std::exchange(ref->form_, nullptr)) {
            form->ref_ = nullptr;
            delete form;
        }
        ref->loading_ = ref->unloading_ = false;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ++generation;
    endCheckPending = false;
    ended = false;
}

namespace {
class GotFocusFilter : public QObject {
public:
    GotFocusFilter(QWidget* control, std::function<void()> handler)
        : QObject(control), handler_(std::move(handler))
    {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn)
            handler_();
        return false;
    }

private:
    std::function<void()> handler_;
};
}  // namespace

void onGotFocus(QWidget* control, std::function<void()> handler)
{
    new GotFocusFilter(control, std::move(handler));
}

namespace {
class ScrollKeysFilter : public QObject {
public:
    ScrollKeysFilter(QAbstractScrollArea* text, QWidget* focus) : QObject(focus), text_(text)
    {
        focus->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !text_)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & ~Qt::KeypadModifier)
            return false;
        static constexpr std::pair<int, QAbstractSlider::SliderAction> kActions[] = {
            {Qt::Key_Up, QAbstractSlider::SliderSingleStepSub},
            {Qt::Key_Down, QAbstractSlider::SliderSingleStepAdd},
            {Qt::Key_PageUp, QAbstractSlider::SliderPageStepSub},
            {Qt::Key_PageDown, QAbstractSlider::SliderPageStepAdd}};
        const auto* found = std::find_if(std::begin(kActions), std::end(kActions),
                                         [key](const auto& entry) { return entry.first == key->key(); });
        if (found == std::end(kActions))
            return false;
        text_->verticalScrollBar()->triggerAction(found->second);
        return true;
    }

private:
    QPointer<QAbstractScrollArea> text_;
};
}  // namespace

void scrollByKeys(QAbstractScrollArea* text, QWidget* focus)
{
    new ScrollKeysFilter(text, focus);
}

void restoreScreenPointer()
{
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

}  // namespace platform
