#pragma once

#include <functional>
#include <memory>

#include <QMetaObject>
#include <QPointer>
#include <QWidget>

namespace tambrelox {

// The single program-wide instance of a secondary window: opened modeless on
// demand, only brought up while it is open, and built afresh once it has been
// closed. Its open flag is true from opening until the window is gone.
class SecondaryWindow {
  public:
    using Factory = std::function<std::unique_ptr<QWidget>()>;

    // An empty factory stands for a window the program does not have yet.
    SecondaryWindow(bool& showing, Factory factory);
    ~SecondaryWindow();
    SecondaryWindow(const SecondaryWindow&) = delete;
    SecondaryWindow& operator=(const SecondaryWindow&) = delete;

    [[nodiscard]] bool available() const { return static_cast<bool>(factory_); }
    [[nodiscard]] QWidget* window() const { return window_; }

    // Only when available(). Returns at once; the caller's window stays usable
    // while this one is open.
    void Open();

  private:
    bool& showing_;
    Factory factory_;
    QPointer<QWidget> window_;
    QMetaObject::Connection gone_;
};

}  // namespace tambrelox
