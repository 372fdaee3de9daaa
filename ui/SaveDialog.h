#pragma once

#include <memory>
#include <optional>

#include <QObject>
#include <QString>

class QFileDialog;
class QWidget;

// The save dialog of the window: no file-type list, no extension added, no
// question before replacing a file. It remembers the name last accepted and
// offers it again.
class SaveDialog : public QObject
{
    Q_OBJECT

  public:
    SaveDialog(const QString& title, QObject* parent = nullptr);

    const QString& Title() const { return title_; }
    const QString& FileName() const { return fileName_; }

    // Shows the dialog modally; true when the user accepted a name.
    bool Execute(QWidget* parent);

    std::unique_ptr<QFileDialog> Build(QWidget* parent) const;

    // Test seam: the next Execute does not show the dialog but returns at once as if
    // the user had accepted this name, or cancelled (std::nullopt).
    static void QueueAnswer(std::optional<QString> fileName);

  private:
    QString title_;
    QString fileName_;
};
