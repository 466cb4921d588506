#include "ui/BulkEditDialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

std::optional<double> askBulkEditNumber(QWidget* parent, const BulkEditQuestion& question) {
    QDialog dialog(parent);
    dialog.setObjectName("BulkEditDialog");
    dialog.setWindowTitle(question.title);
    auto* layout = new QVBoxLayout(&dialog);
    auto* prompt = new QLabel(question.prompt, &dialog);
    layout->addWidget(prompt);
    auto* number = new QDoubleSpinBox(&dialog);
    number->setObjectName("BulkEditNumber");
    number->setRange(question.lowest, question.highest);
    number->setDecimals(question.decimals);
    number->setValue(question.start);
    prompt->setBuddy(number);
    layout->addWidget(number);
    auto* preview = new QLabel(&dialog);
    preview->setObjectName("BulkEditPreview");
    layout->addWidget(preview);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Cancel)->setText(question.cancel);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    const auto showPreview = [&question, preview](double value) {
        preview->setText(question.preview(value));
    };
    QObject::connect(number, &QDoubleSpinBox::valueChanged, &dialog, showPreview);
    showPreview(number->value());
    number->selectAll();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return number->value();
}
