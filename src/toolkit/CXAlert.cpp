#include "toolkit/CXAlert.h"

#include <algorithm>

#include "platform/Localized.h"
#include "platform/MainQueue.h"
#include "toolkit/CXAlertPanel.h"

namespace {

std::optional<int> &answerForTesting() {
  static std::optional<int> answer;
  return answer;
}

}  // namespace

CXAlert &CXAlert::sharedAlert() {
  static CXAlert alert;
  return alert;
}

void CXAlert::showAlertWithTitleInformTextButtonTitlesCompletionHandler(
    const QString &title, const QString &inform, const QStringList &buttonTitles,
    std::function<void(int)> completion) {
  Request request{title, inform, buttonTitles, std::move(completion)};
  if (request.buttons.isEmpty()) request.buttons = {localized("CXInterfaceString", "OK")};
  if (!MainQueue::isMainThread()) {
    MainQueue::async(
        [request = std::move(request)]() mutable { sharedAlert().enqueue(std::move(request)); });
    return;
  }
  sharedAlert().enqueue(std::move(request));
}

void CXAlert::enqueue(Request request) {
  if (const std::optional<int> answer = answerForTesting()) {
    const int number = std::clamp(*answer, 1, int(request.buttons.size()));
    MainQueue::async([completion = std::move(request.completion), number] {
      if (completion) completion(number);
    });
    return;
  }
  pending_.push_back(std::move(request));
  if (!current_) showNext();
}

void CXAlert::showNext() {
  if (current_ || pending_.empty()) return;
  current_ = std::move(pending_.front());
  pending_.pop_front();
  panel_ = new CXAlertPanel(settings_, current_->title, current_->inform, current_->buttons,
                            [this](int number) { finish(number); });
  QObject::connect(panel_, &QObject::destroyed, [this, panel = panel_] {
    if (panel_ == panel) panel_ = nullptr;
  });
  panel_->placeOnScreen();
  panel_->show();
  panel_->activateWindow();
  panel_->focusFirstButton();
}

void CXAlert::finish(int number) {
  if (!current_) return;
  std::function<void(int)> completion = std::move(current_->completion);
  current_.reset();
  if (CXAlertPanel *panel = panel_) {
    panel_ = nullptr;
    panel->hide();
    panel->deleteLater();
  }
  if (completion) completion(number);
  showNext();
}

bool CXAlert::isShowing() const { return panel_ && panel_->isVisible(); }

QWidget *CXAlert::window() const { return panel_; }

QAbstractButton *CXAlert::button(int number) const {
  return panel_ ? panel_->button(number) : nullptr;
}

void CXAlert::setAnswerForTesting(std::optional<int> number) { answerForTesting() = number; }
