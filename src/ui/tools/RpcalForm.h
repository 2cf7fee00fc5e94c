#pragma once
// The arc calculator: integer points on a circular arc, listed as text the
// user can copy. It recomputes on every change of a field; a field that is
// not a plain decimal integer leaves the last result standing.

#include <QDialog>
#include <QList>
#include <QStringList>

class QAction;
class QLineEdit;

namespace zol {

class TRpcalForm : public QDialog {
    Q_OBJECT
public:
    explicit TRpcalForm(QWidget* parent = nullptr);

    void rpcalculationExecute();

    QLineEdit* Edit1; // the result
    QLineEdit* Edit2; // start angle
    QLineEdit* Edit3; // end angle
    QLineEdit* Edit4; // number of points
    QLineEdit* Edit5; // centre x
    QLineEdit* Edit6; // centre y
    QLineEdit* Edit7; // base vector x
    QLineEdit* Edit8; // base vector y
    QAction* rpcalculation;

private:
    QLineEdit* addField(const QString& name, const QString& text, QPoint at);
    void addLabel(const QStringList& parts, QPoint at, const QList<QLineEdit*>& fields);
};

} // namespace zol
