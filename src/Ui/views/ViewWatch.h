#pragma once

class cView;

// A pointer to a view held by someone who does not own it. It turns null when the view is
// deleted, so a holder that outlives the view never acts on freed memory.
class cViewWatch {
public:
    explicit cViewWatch(cView* _view = nullptr);
    // A copy watches the same view on its own.
    cViewWatch(const cViewWatch& _source);
    cViewWatch& operator=(const cViewWatch& _source);
    ~cViewWatch();

    void set(cView* _view);
    cView* get() const { return m_view; }
    cView* operator->() const { return m_view; }
    explicit operator bool() const { return m_view != nullptr; }

private:
    friend class cView;

    void attach();
    void detach();

    cView* m_view = nullptr;
};
