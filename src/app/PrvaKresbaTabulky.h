#pragma once
// Watches the whole application for the first paint of a table view showing at least a
// given number of rows, and then calls back once. Start-up measurements end there.

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QEvent>

#include <functional>
#include <utility>

class PrvaKresbaTabulky : public QObject {
public:
    PrvaKresbaTabulky(int minRiadkov, std::function<void()> potom)
        : m_minRiadkov(minRiadkov), m_potom(std::move(potom))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::Paint || m_hotovo)
            return false;
        const auto* v = qobject_cast<const QAbstractItemView*>(o->parent());
        if (v && v->viewport() == o && v->model() && v->model()->rowCount() >= m_minRiadkov) {
            m_hotovo = true;
            // After this paint has been done.
            QMetaObject::invokeMethod(this, m_potom, Qt::QueuedConnection);
        }
        return false;
    }

    bool hotovo() const { return m_hotovo; }

private:
    int m_minRiadkov;
    std::function<void()> m_potom;
    bool m_hotovo = false;
};
