#pragma once

#include <functional>

#include "window/SavePanel.h"

// A save panel that answers at once: the path it was given, or a cancel. It
// remembers what it was asked, and can run a step while it is "open".
class TestSavePanel : public SavePanel {
 public:
  struct Asked {
    QString proposedName;
    QStringList allowedExtensions;
    QStringList fileTypes;
    QString optionTitle;
    bool canCreateDirectories = false;
    int runs = 0;
  };

  TestSavePanel(std::optional<QString> answer, Asked *asked, std::function<void()> whileOpen,
                int fileType = 0, bool tickOption = false)
      : answer_(std::move(answer)), asked_(asked), whileOpen_(std::move(whileOpen)) {
    chosenFileType_ = fileType;
    tickOption_ = tickOption;
  }

  std::optional<QString> runModal(QWidget *) override {
    if (asked_) {
      asked_->proposedName = proposedName();
      asked_->allowedExtensions = allowedExtensions();
      asked_->fileTypes = fileTypes();
      asked_->optionTitle = optionTitle();
      asked_->canCreateDirectories = canCreateDirectories();
      ++asked_->runs;
    }
    if (whileOpen_) whileOpen_();
    optionChecked_ = tickOption_ && !optionTitle().isEmpty();
    return answer_;
  }

 private:
  std::optional<QString> answer_;
  Asked *asked_;
  std::function<void()> whileOpen_;
  bool tickOption_ = false;
};
