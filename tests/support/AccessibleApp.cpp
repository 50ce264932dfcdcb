#include "support/AccessibleApp.h"

#include "support/AppHome.h"

#include <QTest>

namespace {

constexpr int startTimeoutMs = 20000;
// Deeper than any window of the application nests its objects.
constexpr int maxDepth = 64;

QProcessEnvironment accessibleEnvironment(const AppHome &home)
{
    QProcessEnvironment environment = home.environment();
    environment.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    return environment;
}

} // namespace

AccessibleApp::AccessibleApp(const AppHome &home)
    : m_app(accessibleEnvironment(home))
{
}

QString AccessibleApp::start(const QString &logLine)
{
    if (!m_client.error().isEmpty())
        return m_client.error();
    if (!m_app.start() || !m_app.waitForLog(logLine, startTimeoutMs))
        return QStringLiteral("no \"%1\" in the log: %2").arg(logLine, m_app.log());
    if (!QTest::qWaitFor([&] { return (m_root = m_client.application(m_app.pid())).has_value(); },
                         stepTimeoutMs))
        return QStringLiteral("the application never came onto the accessibility bus");
    return {};
}

QList<AtspiElement> AccessibleApp::showing() const
{
    return m_root ? m_client.elements(*m_root, true) : QList<AtspiElement>();
}

std::optional<AtspiElement> AccessibleApp::waitForShowing(const QString &name, const QString &role,
                                                          int timeoutMs) const
{
    return waitForShowing(
        [&](const AtspiElement &element) { return element.name == name && element.role == role; },
        timeoutMs);
}

std::optional<AtspiElement>
AccessibleApp::waitForShowing(const std::function<bool(const AtspiElement &)> &matches,
                              int timeoutMs) const
{
    std::optional<AtspiElement> found;
    const auto look = [&] {
        for (const AtspiElement &element : showing()) {
            if (matches(element)) {
                found = element;
                return true;
            }
        }
        return false;
    };
    return QTest::qWaitFor(look, timeoutMs) ? found : std::nullopt;
}

std::optional<AtspiElement> AccessibleApp::waitForFocused(int timeoutMs) const
{
    std::optional<AtspiElement> found;
    const auto look = [&] {
        // Depth first: what holds an object comes before it.
        for (const AtspiElement &element : showing()) {
            if (element.has(AtspiState::focused))
                found = element;
        }
        return found.has_value();
    };
    return QTest::qWaitFor(look, timeoutMs) ? found : std::nullopt;
}

bool AccessibleApp::isShowing(const QString &name, const QString &role) const
{
    return m_root && m_client.findShowing(*m_root, name, role).has_value();
}

bool AccessibleApp::recordStateChanges()
{
    return m_client.recordStateChanges(m_events);
}

QStringList AccessibleApp::stateChanges(const QString &state) const
{
    QStringList changes;
    for (const AtspiEventLog::StateChange &change : m_events.stateChanges()) {
        if (change.state == state && m_root && change.object.service == m_root->service)
            changes.append(m_client.element(change.object).name + (change.on ? " on" : " off"));
    }
    return changes;
}

QList<AtspiElement> AccessibleApp::showingUnder(const AtspiElement &element) const
{
    return m_client.elements(element.object, true);
}

QString AccessibleApp::descriptionOf(const AtspiElement &element) const
{
    return m_client.description(element.object);
}

bool AccessibleApp::act(const QString &name, const QString &role, const QString &action, int timeoutMs)
{
    const std::optional<AtspiElement> control = waitForShowing(name, role, timeoutMs);
    return control && m_client.doAction(control->object, action);
}

bool AccessibleApp::waitForChecked(const QString &name, const QString &role, bool checked) const
{
    return QTest::qWaitFor(
        [&] {
            const std::optional<AtspiElement> control =
                m_root ? m_client.findShowing(*m_root, name, role) : std::nullopt;
            return control && control->has(AtspiState::checked) == checked;
        },
        stepTimeoutMs);
}

QString AccessibleApp::heardOnFocus(const AtspiElement &focused) const
{
    const auto said = [](const AtspiElement &element) {
        return QStringLiteral("%1 [%2]").arg(element.name, element.role);
    };
    QStringList heard{said(focused)};
    const QString description = m_client.description(focused.object);
    if (!description.isEmpty())
        heard.append(description);
    // A bounded climb: a broken tree must not hold the test.
    std::optional<AtspiObject> holder = m_client.parent(focused.object);
    for (int level = 0; holder && holder != m_root && level < maxDepth; ++level) {
        const AtspiElement element = m_client.element(*holder);
        if (element.role == QLatin1String("panel") && !element.name.isEmpty())
            heard.prepend(said(element));
        holder = m_client.parent(*holder);
    }
    return heard.join(QStringLiteral("; "));
}

std::string AccessibleApp::describeShowing() const
{
    QStringList lines;
    for (const AtspiElement &element : showing())
        lines.append(QStringLiteral("%1 [%2]").arg(element.name, element.role));
    return lines.join(u'\n').toStdString();
}

bool AccessibleApp::setText(const QString &name, const QString &role, const QString &text)
{
    const std::optional<AtspiElement> control = waitForShowing(name, role);
    return control && m_client.setText(control->object, text);
}

QString AccessibleApp::textOf(const QString &name, const QString &role) const
{
    const std::optional<AtspiElement> control = m_client.findShowing(*m_root, name, role);
    return control ? m_client.text(control->object) : QString();
}

QStringList AccessibleApp::reachable(const QString &role) const
{
    QStringList names;
    for (const AtspiElement &element : m_client.elements(*m_root, false)) {
        if (element.role == role)
            names.append(element.name);
    }
    return names;
}
