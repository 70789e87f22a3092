#pragma once

#include <QListWidget>

// The profile list of the launcher window. It asks for just the width of its
// widest entry plus a scroll bar, and a fixed height, so the profile column
// stays narrow and of constant height however many profiles there are.
class ProfileQListWidget : public QListWidget
{
    Q_OBJECT

public:
    explicit ProfileQListWidget(QWidget *parent = nullptr);

    QSize sizeHint() const override;
};
