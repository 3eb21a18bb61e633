#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;

namespace trevalo {

// The traffic pattern of Form8: a template fills the demand, the three shares and the waiting
// time target, and its source is shown; editing one of its values makes the entries the
// user's own ("自定义", source "用户设定"). Values a template takes from the project (its
// handling capacity and waiting time targets) are left empty, their placeholders showing them.
class TrafficChoice : public QObject {
    Q_OBJECT
public:
    enum Entry { Demand, Incoming, Outgoing, Interfloor, AwtTarget };
    static constexpr int kEntries = 5;

    TrafficChoice(QComboBox& combo, QLabel& source, const std::array<QLineEdit*, kEntries>& entries);

    // The project's targets, what the default template takes, and their source.
    void setProjectTargets(double hcPercent, std::optional<double> awt, const QString& source);
    // The label as read; the choice shows it, or for no label the template the values match.
    void setTraffic(const std::string& traffic);
    const std::string& traffic() const { return m_traffic; }

private:
    void choose(int index);
    void edited();
    bool matches(int index) const;
    void showSource();

    QComboBox& m_combo;
    QLabel& m_source;
    std::array<QLineEdit*, kEntries> m_entries;
    std::string m_traffic;
    QString m_projectSource;
};

}  // namespace trevalo
