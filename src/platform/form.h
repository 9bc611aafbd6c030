#pragma once

#include <functional>

#include <QWidget>

class QAbstractScrollArea;

namespace platform {

class FormRefBase;

// Base of every window of the program. A window exists at most once, owned by
// its FormRef: the first use loads it (builds its controls from the layout and
// runs Form_Load), Unload runs Form_Unload and destroys it, and the next use
// loads it afresh with its design-time values. The close box unloads.
class Form : public QWidget {
    Q_OBJECT

public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    virtual void Form_Load() {}
    virtual void Form_Unload() {}

    // Shows the window modally over every other window and returns when it
    // has been hidden or unloaded.
    void ShowModal();

    // The busy (hourglass) pointer over this window, or the default one.
    void setBusyPointer(bool busy);

    // Shows the window, bringing it to the front when it was already open
    // behind another one.
    void showInFront();

    // A main window keeps the program running while it is shown; the others
    // (about, diagram, exhibit ...) only accompany one.
    bool isMainWindow() const { return mainWindow_; }
    void setMainWindow(bool main) { mainWindow_ = main; }

signals:
    void hidden();

protected:
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    friend class FormRefBase;
    friend void destroyAllForms();
    FormRefBase* ref_ = nullptr;
    bool mainWindow_ = false;
};

// The program-wide reference to one window.
class FormRefBase {
public:
    FormRefBase();
    virtual ~FormRefBase();
    FormRefBase(const FormRefBase&) = delete;
    FormRefBase& operator=(const FormRefBase&) = delete;

    bool isLoaded() const { return form_ != nullptr; }
    bool isShown() const;
    // Runs Form_Unload, hides the window and destroys it once control is back
    // in the event loop, so it is safe from inside the window's own handlers;
    // the reference reads "not loaded" at once. Does nothing when the window
    // is not loaded, while its unload is already in progress, or while it is
    // still loading (a load is never undone half-way).
    void Unload();

    // The loaded window, or null; never loads.
    Form* loaded() const { return form_; }

protected:
    Form* load();
    virtual Form* create() = 0;

private:
    friend class Form;
    friend void destroyAllForms();
    Form* form_ = nullptr;
    bool loading_ = false;
    bool unloading_ = false;
};

template <class T>
class FormRef : public FormRefBase {
public:
    T* operator->() { return &get(); }
    T& get() { return static_cast<T&>(*load()); }
    // The loaded instance, or null; never loads.
    T* instance() const { return static_cast<T*>(loaded()); }

protected:
    Form* create() override { return new T(); }
};

// True while any window of the program is loaded.
bool anyFormLoaded();

// Ends the program at once with status 0: no unload handler runs. (main then
// destroys the windows without their handlers.)
void End();
using EndHandler = std::function<void(int status)>;
EndHandler setEndHandler(EndHandler handler);  // null: leave the event loop

// The program ends by itself once no main window is shown any more (checked
// when control is back in the event loop, so a handler may close one window
// and open the next). Windows still loaded then, shown or not, are unloaded
// with their handlers before it ends: the close chain of the main windows
// does not reach every companion window (an about window, or a diagram left
// open while the question window is closed).
void scheduleEndCheck();

// Destroys every window without running a handler: for the end of main and
// for tests that start each case from a fresh program.
void destroyAllForms();

// Calls `handler` each time `control` receives the keyboard focus: the
// GotFocus event of a control.
void onGotFocus(QWidget* control, std::function<void()> handler);

// Up, Down, Page Up and Page Down pressed on `focus` scroll `text` instead:
// for a text box that hands the keyboard focus on to a button (which would
// take the arrow keys to move the focus).
void scrollByKeys(QAbstractScrollArea* text, QWidget* focus);

// Resets the screen-wide pointer to the default.
void restoreScreenPointer();

}  // namespace platform
