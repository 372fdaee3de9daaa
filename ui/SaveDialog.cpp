#include "SaveDialog.h"

#include <deque>

#include <QFileDialog>

namespace {

std::deque<std::optional<QString>> queuedAnswers;

} // namespace

SaveDialog::SaveDialog(const QString& title, QObject* parent) : QObject(parent), title_(title) {}

std::unique_ptr<QFileDialog> SaveDialog::Build(QWidget* parent) const
{
    auto dialog = std::make_unique<QFileDialog>(parent, title_);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    if (!fileName_.isEmpty()) {
        dialog->selectFile(fileName_);
    }
    return dialog;
}

bool SaveDialog::Execute(QWidget* parent)
{
    std::optional<QString> chosen;
    if (!queuedAnswers.empty()) {
        chosen = queuedAnswers.front();
        queuedAnswers.pop_front();
    } else {
        const auto dialog = Build(parent);
        if (dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty()) {
            chosen = dialog->selectedFiles().constFirst();
        }
    }
    if (!chosen) {
        return false;
    }
    fileName_ = *chosen;
    return true;
}

void SaveDialog::QueueAnswer(std::optional<QString> fileName)
{
    queuedAnswers.push_back(std::move(fileName));
}
