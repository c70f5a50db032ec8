#pragma once

#include <QVariantMap>
#include <functional>

class QWidget;

class CXTransition {
 public:
  // Puts subview into container so that it fills it (a zero-margin layout of
  // the container's own), in place of whatever the container showed. The
  // widgets it showed are hidden and taken out of the layout but not deleted:
  // they stay children of the container and their owners may show them again.
  // When the keyboard focus was in what the container showed, the first
  // widget of subview that Tab reaches takes it.
  //
  // animated: a short cross-fade from the old content to the new (150 ms, or
  // animationParameters["duration"] in milliseconds). A transition started
  // while another on the same container is fading finishes that one first.
  //
  // completion, when given, runs once on the main thread after the subview is
  // in place (after the fade when animated), never inside this call. With a
  // null container nothing is moved and the completion still runs.
  static void changeLayoutSubviewFillingAndInsertedIntoView(QWidget *subview, QWidget *container,
                                                            const QVariantMap *animationParameters,
                                                            bool animated,
                                                            std::function<void()> completion);

  static constexpr int kDefaultDurationMs = 150;
};
