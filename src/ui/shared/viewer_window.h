#pragma once

#include <QWidget>

namespace tambrelox {

// A secondary window that lives from opening to closing: however it is
// closed, it clears its open flag, tells its opener and deletes itself.
class ViewerWindow : public QWidget {
    Q_OBJECT

  public:
    ViewerWindow(bool& showing, QWidget* parent, Qt::WindowFlags flags);

  signals:
    // The window has closed and its open flag is false again.
    void Closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    bool& showing_;
};

}  // namespace tambrelox
