#pragma once

#include <functional>
#include <memory>

#include <QPointer>
#include <QWidget>

namespace tambrelox {

// The single program-wide instance of a secondary window, and the one place
// that looks after its life: opened modeless on demand, only brought up while
// it is open, deleted once closed (however it was closed) and built afresh on
// the next opening. Its open flag is true from opening until the window is gone.
class SecondaryWindow {
  public:
    using Factory = std::function<std::unique_ptr<QWidget>()>;

    // `showing` must outlive this object.
    SecondaryWindow(bool& showing, Factory factory);
    ~SecondaryWindow();
    SecondaryWindow(const SecondaryWindow&) = delete;
    SecondaryWindow& operator=(const SecondaryWindow&) = delete;

    [[nodiscard]] QWidget* window() const { return window_; }

    // Returns at once; the caller's window stays usable while this one is open.
    void Open();

  private:
    bool& showing_;
    Factory factory_;
    QPointer<QWidget> window_;
};

}  // namespace tambrelox
