#pragma once
// The About window: a fixed dialog showing one of the two About pictures,
// decoded from the program's resources each time the window is shown.

#include <QDialog>
#include <QImage>
#include <QString>

class QLabel;
class QShowEvent;

namespace kel {

inline constexpr int kAboutClientWidth = 363;
inline constexpr int kAboutClientHeight = 229;

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);

    // 0 shows the first About picture, 1 the second; other values show none.
    void setPictureSelector(int selector) { selector_ = selector; }
    int pictureSelector() const { return selector_; }

    // The resource path of a selector's picture, empty for unknown selectors.
    static QString pictureResource(int selector);

    // Decodes the selected picture into the picture control. Runs on every
    // show; a failure leaves the control empty and the reason in lastError().
    void loadPicture();

    // The picture on show (null when none) and why the last load failed
    // (empty after a successful one).
    const QImage& picture() const { return picture_; }
    const QString& lastError() const { return lastError_; }
    // The picture control, at (6, 8) and as large as its picture.
    const QLabel* pictureControl() const { return pictureControl_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* pictureControl_;
    int selector_ = 0;
    QImage picture_;
    QString lastError_;
};

} // namespace kel
