#pragma once
// "Editovanie záznamu": one text of a user list.

#include <QDialog>

class QLineEdit;
class QPushButton;

class TZoznamTextAddForm : public QDialog {
    Q_OBJECT
public:
    explicit TZoznamTextAddForm(QWidget* rodic = nullptr);

    void nastavText(const QString& text);
    QString text() const;

    QLineEdit* Edit1 = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnStorno = nullptr;

private:
    void potvrd();
};
