#include "ui/seniorKeys/DAllKeysShowPage.h"

#include "ui/mainwidget/devicePage/KeyLayoutFile.h"
#include "ui/seniorKeys/DAllKeysItemKey.h"
#include "ui_DAllKeysShowPage.h"
#include "widgets/FlowLayout.h"
#include "widgets/LanguageChangeHook.h"

#include <QDebug>
#include <QFile>

#include <cjson/cJSON.h>

#include <memory>

namespace {

const char kKeyListPath[] = ":/images/configDir/AllKeysInfo.config";

using JsonPtr = std::unique_ptr<cJSON, decltype(&cJSON_Delete)>;

// The caption of a "Character" value: the key list writes some keys in
// JSON-escaped form, and the caption is that printed form without quotes.
QString captionOf(int code, const cJSON *character)
{
    if (!character)
        return KeyLayoutFile::captionFor(code, QByteArray());
    const std::unique_ptr<char, decltype(&cJSON_free)> printed(cJSON_PrintUnformatted(character), cJSON_free);
    return KeyLayoutFile::captionFor(code, QByteArray(printed ? printed.get() : ""));
}

} // namespace

DAllKeysShowPage::DAllKeysShowPage(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DAllKeysShowPage)
{
    ui->setupUi(this);
    const auto setTexts = [this] {
        ui->label_15->setText(tr("Key Combination"));
        ui->label_16->setText(tr("Normal Keys"));
        ui->label_17->setText(tr("Special Keys"));
    };
    setTexts();
    LanguageChangeHook::install(this, setTexts);

    m_groups[0] = new FlowLayout(ui->widget_KeyCombination, -1, -1, -1);
    m_groups[1] = new FlowLayout(ui->widget_NormalKeys, -1, -1, -1);
    m_groups[2] = new FlowLayout(ui->widget_SpecialKeys, -1, -1, -1);

    loadKeyboardInfo();
}

DAllKeysShowPage::~DAllKeysShowPage()
{
    delete ui;
}

FlowLayout *DAllKeysShowPage::groupLayout(int group) const
{
    return group >= 0 && group < GroupCount ? m_groups[group] : nullptr;
}

void DAllKeysShowPage::loadKeyboardInfo()
{
    QFile file(QString::fromLatin1(kKeyListPath));
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug().noquote() << "------------------------ loadKeyboardInfo => fp == NULL -------------------------";
        return;
    }
    const QByteArray text = file.readAll();
    file.close();
    parseAllKeysInfo(text);
}

void DAllKeysShowPage::parseAllKeysInfo(const QByteArray &text)
{
    const JsonPtr root(cJSON_ParseWithLength(text.constData(), static_cast<size_t>(text.size())), cJSON_Delete);
    if (root && cJSON_IsObject(root.get())) {
        for (int group = 0; group < GroupCount; ++group) {
            const QByteArray member = "EveryKeyInfo_Row0" + QByteArray::number(group + 1);
            const cJSON *items = cJSON_GetObjectItem(root.get(), member.constData());
            if (!cJSON_IsArray(items))
                continue;
            const int count = cJSON_GetArraySize(items);
            for (int i = 0; i < count; ++i) {
                const cJSON *item = cJSON_GetArrayItem(items, i);
                const cJSON *dec = cJSON_GetObjectItem(item, "Dec");
                const int code = cJSON_IsNumber(dec) ? dec->valueint : 0;
                const QString caption = captionOf(code, cJSON_GetObjectItem(item, "Character"));

                auto *button = new DAllKeysItemKey;
                connect(button, &QPushButton::clicked, this, &DAllKeysShowPage::onKeyButtonClicked);
                button->setKeyInfo(code, caption);
                m_groups[group]->addWidget(button);
                m_keyNameMap.insert(code, caption);
            }
        }
    } else {
        qDebug().noquote() << "The key list of the advanced-key editor is not valid JSON";
    }
    emit sigAllKeysInfoAlreadyLoadedA();
}

void DAllKeysShowPage::onKeyButtonClicked()
{
    const auto *button = qobject_cast<const DAllKeysItemKey *>(sender());
    if (!button)
        return;
    emit sigKeyListClicked(button->keyCode(), button->caption());
}
