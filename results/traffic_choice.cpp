#include "results/traffic_choice.h"

#include "engine/simulation/simulation_traffic.h"
#include "results/shown_numbers.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace trevalo {

namespace {

const QString kUserSet = QStringLiteral("用户设定");

// The texts a template puts in the entries, in Entry order.
std::array<QString, TrafficChoice::kEntries> filled(const engine::TrafficTemplate& t)
{
    return {t.demandPercent ? shownNumber(*t.demandPercent) : QString(), shownNumber(t.incomingPercent),
            shownNumber(t.outgoingPercent), shownNumber(t.interfloorPercent),
            !t.projectAwtTarget && t.awtTarget ? shownNumber(*t.awtTarget) : QString()};
}

int customIndex() { return static_cast<int>(engine::trafficTemplates().size()); }

}  // namespace

TrafficChoice::TrafficChoice(QComboBox& combo, QLabel& source, const std::array<QLineEdit*, kEntries>& entries)
    : QObject(&combo), m_combo(combo), m_source(source), m_entries(entries)
{
    for (const engine::TrafficTemplate& t : engine::trafficTemplates())
        m_combo.addItem(QString::fromUtf8(t.title.data(), static_cast<qsizetype>(t.title.size())));
    m_combo.addItem(QStringLiteral("自定义"));
    // An empty share takes the default template's.
    const std::array<QString, kEntries> defaults = filled(engine::trafficTemplates().front());
    for (int i = Incoming; i <= Interfloor; ++i)
        m_entries[static_cast<std::size_t>(i)]->setPlaceholderText(defaults[static_cast<std::size_t>(i)]);
    for (QLineEdit* entry : m_entries)
        connect(entry, &QLineEdit::textEdited, this, &TrafficChoice::edited);
    connect(&m_combo, &QComboBox::activated, this, &TrafficChoice::choose);
    showSource();
}

void TrafficChoice::setProjectTargets(double hcPercent, std::optional<double> awt, const QString& source)
{
    m_projectSource = source;
    m_entries[Demand]->setPlaceholderText(shownNumber(hcPercent));
    m_entries[AwtTarget]->setPlaceholderText(awt ? shownNumber(*awt) : QString());
    showSource();
}

void TrafficChoice::setTraffic(const std::string& traffic)
{
    m_traffic = traffic;
    int index = customIndex();
    if (const engine::TrafficTemplate* t = engine::trafficTemplate(traffic))
        index = static_cast<int>(t - engine::trafficTemplates().data());
    else if (traffic.empty()) {
        for (int i = 0; i < customIndex(); ++i) {
            if (matches(i)) {
                index = i;
                break;
            }
        }
    }
    m_combo.setCurrentIndex(index);
    showSource();
}

void TrafficChoice::choose(int index)
{
    if (index >= customIndex()) {
        m_traffic = engine::kCustomTraffic;
    } else {
        const engine::TrafficTemplate& t = engine::trafficTemplates()[static_cast<std::size_t>(index)];
        const std::array<QString, kEntries> texts = filled(t);
        for (std::size_t i = 0; i < texts.size(); ++i)
            m_entries[i]->setText(texts[i]);
        m_traffic = t.name;
    }
    showSource();
}

void TrafficChoice::edited()
{
    if (m_combo.currentIndex() >= customIndex() || matches(m_combo.currentIndex()))
        return;
    m_combo.setCurrentIndex(customIndex());
    m_traffic = engine::kCustomTraffic;
    showSource();
}

// Whether the entries hold what the template fills; an empty share is its default, an empty
// demand the project's target.
bool TrafficChoice::matches(int index) const
{
    const engine::TrafficTemplate& t = engine::trafficTemplates()[static_cast<std::size_t>(index)];
    const std::array<QString, kEntries> texts = filled(t);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const QString typed = m_entries[i]->text().trimmed();
        const QString value = typed.isEmpty() ? m_entries[i]->placeholderText() : typed;
        const QString expected = texts[i].isEmpty() ? m_entries[i]->placeholderText() : texts[i];
        bool readValue = false;
        bool readExpected = false;
        const double a = value.toDouble(&readValue);
        const double b = expected.toDouble(&readExpected);
        if (readValue && readExpected ? a != b : value != expected)
            return false;
    }
    return true;
}

void TrafficChoice::showSource()
{
    const int index = m_combo.currentIndex();
    QString source = kUserSet;
    if (index >= 0 && index < customIndex()) {
        const engine::TrafficTemplate& t = engine::trafficTemplates()[static_cast<std::size_t>(index)];
        source = t.source.empty() ? m_projectSource
                                  : QString::fromUtf8(t.source.data(), static_cast<qsizetype>(t.source.size()));
    }
    m_source.setText(source.isEmpty() ? QString() : QStringLiteral("来源：%1").arg(source));
}

}  // namespace trevalo
