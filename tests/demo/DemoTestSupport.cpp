#include "DemoTestSupport.h"

#include "DemoHost.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>

namespace {
QJsonValue Latinised(const QJsonValue& value, int& nCounter)
{
    if (value.isString())
        return DemoTestSupport::ContainsCjk(value.toString()) ? QJsonValue(QString("Name %1").arg(++nCounter))
                                                              : value;
    if (value.isArray()) {
        QJsonArray array;
        for (const QJsonValue& item : value.toArray())
            array.append(Latinised(item, nCounter));
        return array;
    }
    if (value.isObject()) {
        QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            it.value() = Latinised(it.value(), nCounter);
        return object;
    }
    return value;
}

void AddText(QStringList& listTexts, const QString& strText)
{
    if (!strText.isEmpty())
        listTexts << strText;
}
} // namespace

namespace DemoTestSupport {

bool ContainsCjk(const QString& strText)
{
    for (const QChar ch : strText) {
        const ushort u = ch.unicode();
        // CJK ideographs, CJK punctuation and the full-width forms.
        if ((u >= 0x2e80 && u <= 0x9fff) || (u >= 0xf900 && u <= 0xfaff) || (u >= 0xff00 && u <= 0xffef))
            return true;
    }
    return false;
}

bool StartOnLatinSample(const QString& strProjectPath)
{
    QFile sample(":/demo/SampleProject.json");
    if (!sample.open(QIODevice::ReadOnly))
        return false;
    int nCounter = 0;
    const QJsonValue project = Latinised(QJsonDocument::fromJson(sample.readAll()).object(), nCounter);
    QFile file(strProjectPath);
    if (nCounter == 0 || !QDir().mkpath(QFileInfo(strProjectPath).path()) || !file.open(QIODevice::WriteOnly)
        || file.write(QJsonDocument(project.toObject()).toJson()) < 0)
        return false;
    file.close();
    QString strError;
    return DemoHost::Start(strProjectPath, &strError);
}

std::unique_ptr<QWidget> ShowStaged(const SDemoEntry& entry)
{
    std::unique_ptr<QWidget> pWidget(entry.fnCreate(nullptr));
    pWidget->show();
    QApplication::processEvents();
    if (entry.fnStage) {
        entry.fnStage(pWidget.get());
        QApplication::processEvents();
    }
    return pWidget;
}

QStringList VisibleTexts(QWidget* pWidget)
{
    QStringList listTexts;
    QList<QWidget*> listWidgets = pWidget->findChildren<QWidget*>();
    listWidgets.prepend(pWidget);
    for (QWidget* pChild : listWidgets) {
        // Menus are hidden until opened, but a person opens them.
        if (!pChild->isVisibleTo(pWidget) && pChild != pWidget && !qobject_cast<QMenu*>(pChild))
            continue;
        if (pChild->isWindow())
            AddText(listTexts, pChild->windowTitle());
        AddText(listTexts, pChild->toolTip());
        if (auto* pLabel = qobject_cast<QLabel*>(pChild))
            AddText(listTexts, pLabel->text());
        if (auto* pButton = qobject_cast<QAbstractButton*>(pChild))
            AddText(listTexts, pButton->text());
        if (auto* pSpin = qobject_cast<QAbstractSpinBox*>(pChild))
            AddText(listTexts, pSpin->text());
        if (auto* pEdit = qobject_cast<QLineEdit*>(pChild)) {
            AddText(listTexts, pEdit->text());
            AddText(listTexts, pEdit->placeholderText());
        }
        if (auto* pCombo = qobject_cast<QComboBox*>(pChild)) {
            for (int i = 0; i < pCombo->count(); ++i)
                AddText(listTexts, pCombo->itemText(i));
        }
        if (auto* pBox = qobject_cast<QGroupBox*>(pChild))
            AddText(listTexts, pBox->title());
        if (auto* pTabs = qobject_cast<QTabBar*>(pChild)) {
            for (int i = 0; i < pTabs->count(); ++i)
                AddText(listTexts, pTabs->tabText(i));
        }
        for (const QAction* pAction : pChild->actions())
            AddText(listTexts, pAction->text());
    }
    return listTexts;
}

} // namespace DemoTestSupport
