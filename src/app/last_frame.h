#pragma once
#include <QLabel>

#include <memory>
#include <vector>

class QMouseEvent;
class QWebEngineView;

// A picture of the page as it was last shown, laid over the browser while the page loads again
// (its renderer was let go while the window was hidden), so that the window shows the page at
// once. Clicks on the picture reach the page once it has loaded.
class LastFrame : public QLabel {
public:
    explicit LastFrame(QWebEngineView* view);

    // Takes the picture of what the view shows now and lays it over the view.
    void Cover();
    // The page has loaded again: the picture goes once the page has painted.
    void PageLoaded();
    // At once, the clicks on it to the page.
    void Uncover();
    bool Covering() const { return !isHidden(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QWebEngineView* view_;
    std::vector<std::unique_ptr<QMouseEvent>> clicks_;
};
