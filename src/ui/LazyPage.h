#pragma once

#include <QWidget>

#include <functional>

namespace powerball::ui {

// A page of a tab widget whose controls are made when it is first shown, or when someone asks
// for them: the window paints its first page without building the pages behind it. The tab
// (its name and caption) exists from the start; the page inside it comes later.
class LazyPage : public QWidget {
    Q_OBJECT

public:
    using Builder = std::function<QWidget*(QWidget* parent)>;

    LazyPage(Builder builder, QWidget* parent = nullptr);

    // The page inside, made now when it is not there yet.
    QWidget* build();
    bool isBuilt() const { return m_page != nullptr; }

Q_SIGNALS:
    // Once, right after the page was made and before it is first painted.
    void built(QWidget* page);

protected:
    void showEvent(QShowEvent* event) override;

private:
    Builder m_builder;
    QWidget* m_page = nullptr;
};

} // namespace powerball::ui
