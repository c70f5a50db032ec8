#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

#include "toolkit/CXTopLevelWindow.h"

class CXFramelessResizer;

// The export window itself: a frameless top-level widget that draws its own
// title strip. Its background drags it (CXTopLevelWindow), a double click on
// its title strip zooms it, its edges and corners resize it, and closing it by
// any means tells its controller. Assistive technology sees it as a frame
// named by its title.
class CXDocumentWindow : public CXTopLevelWindow {
  Q_OBJECT

 public:
  explicit CXDocumentWindow(QWidget *parent = nullptr);

  // Called when the window is about to close, whatever closed it.
  void setWillClose(std::function<void()> willClose) { willClose_ = std::move(willClose); }

  // The strip along the top that a double click zooms the window from.
  void setTitleStrip(QWidget *strip) { titleStrip_ = strip; }
  // Maximises the window, or brings a maximised one back to its size.
  void performZoom();
  CXFramelessResizer *resizer() const { return resizer_; }

 protected:
  void closeEvent(QCloseEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;

 private:
  CXFramelessResizer *resizer_ = nullptr;
  QPointer<QWidget> titleStrip_;
  std::function<void()> willClose_;
};
