// SPDX-License-Identifier: MIT
// The MsgBox control as a container sees it: properties, change notifications, saving and
// loading through a property bag, and the fixed face.

#include "notiva/msgbox.h"
#include "notiva/propertybag.h"

#include <QSignalSpy>
#include <QTest>

using namespace Notiva;
using namespace Qt::StringLiterals;

namespace {

// A bag that remembers every write in order, to check what a save puts into it.
class RecordingBag : public MemoryPropertyBag {
public:
    void WriteProperty(const QString& name, const QVariant& value) override {
        writes.append(name);
        MemoryPropertyBag::WriteProperty(name, value);
    }
    QStringList writes;
};

QFont customFont() {
    QFont font(u"DejaVu Serif"_s);
    font.setPointSizeF(12);
    font.setBold(true);
    font.setItalic(true);
    font.setUnderline(true);
    font.setStrikeOut(true);
    return font;
}

QWidget* containerWithFont(const QString& family, int points) {
    auto* container = new QWidget;
    QFont font(family);
    font.setPointSize(points);
    container->setFont(font);
    return container;
}

} // namespace

class TestMsgBox : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void newControlHasDefaults();
    void fontFollowsContainerUntilSet();
    void writingPropertyNamesIt_data();
    void writingPropertyNamesIt();
    void saveWithoutChangesWritesNothing();
    void saveWritesOneChangedValueAlone_data();
    void saveWritesOneChangedValueAlone();
    void saveWritesInFixedOrder();
    void loadRestoresAndDefaultsMissingValues();
    void loadTakesFontFromNewContainer();
    void loadIgnoresUnreadableValues();
    void colourStoredUnchanged();
    void faceKeepsItsSize_data();
    void faceKeepsItsSize();
    void countsLiveInstances();
    void toolboxPicture();
};

void TestMsgBox::newControlHasDefaults() {
    QScopedPointer<QWidget> container(containerWithFont(u"DejaVu Sans"_s, 9));
    MsgBox box(container.data());
    QCOMPARE(box.BackColor(), 0x8000000Au);
    QCOMPARE(box.GradientEndColor(), 0x8000000Au);
    QCOMPARE(box.ForeColor(), 0u);
    QCOMPARE(box.Font(), container->font());
    QCOMPARE(box.Shadow(), false);
    QCOMPARE(box.Gradient(), false);
}

void TestMsgBox::fontFollowsContainerUntilSet() {
    QScopedPointer<QWidget> first(containerWithFont(u"DejaVu Sans"_s, 9));
    QScopedPointer<QWidget> second(containerWithFont(u"DejaVu Serif"_s, 14));
    MsgBox box(first.data());
    box.setParent(second.data());
    QCOMPARE(box.Font(), second->font());

    box.setFontObject(customFont());
    box.setParent(first.data());
    QCOMPARE(box.Font(), customFont());
    box.setParent(nullptr);
}

void TestMsgBox::writingPropertyNamesIt_data() {
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("BackColor") << u"BackColor"_s << QVariant(0x00FF8040u);
    QTest::newRow("GradientEndColor") << u"GradientEndColor"_s << QVariant(0x80000005u);
    QTest::newRow("ForeColor") << u"ForeColor"_s << QVariant(0x000000FFu);
    QTest::newRow("Font") << u"Font"_s << QVariant(customFont());
    QTest::newRow("Shadow") << u"Shadow"_s << QVariant(true);
    QTest::newRow("Gradient") << u"Gradient"_s << QVariant(true);
}

void TestMsgBox::writingPropertyNamesIt() {
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    MsgBox box;
    QSignalSpy changed(&box, &MsgBox::PropertyChanged);
    // Hosts reach the properties through the meta-object, as they would through a dispatch interface.
    QVERIFY(box.setProperty(property.toLatin1().constData(), value));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), property);
    QCOMPARE(box.property(property.toLatin1().constData()), value);
}

void TestMsgBox::saveWithoutChangesWritesNothing() {
    QScopedPointer<QWidget> container(containerWithFont(u"DejaVu Sans"_s, 9));
    MsgBox box(container.data());
    RecordingBag bag;
    box.WriteProperties(bag);
    QCOMPARE(bag.writes, QStringList());

    // A value set back to its default is not written either.
    box.setGradient(true);
    box.setGradient(false);
    box.setFontObject(container->font());
    box.WriteProperties(bag);
    QCOMPARE(bag.writes, QStringList());
}

void TestMsgBox::saveWritesOneChangedValueAlone_data() {
    writingPropertyNamesIt_data();
}

void TestMsgBox::saveWritesOneChangedValueAlone() {
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    QScopedPointer<QWidget> container(containerWithFont(u"DejaVu Sans"_s, 9));
    MsgBox box(container.data());
    box.setProperty(property.toLatin1().constData(), value);
    RecordingBag bag;
    box.WriteProperties(bag);
    QCOMPARE(bag.writes, QStringList{property});

    MsgBox loaded(container.data());
    loaded.ReadProperties(bag);
    for (const char* name : {"BackColor", "GradientEndColor", "ForeColor", "Font", "Shadow", "Gradient"}) {
        const QVariant expected = QLatin1String(name) == property ? value : MsgBox(container.data()).property(name);
        QCOMPARE(loaded.property(name), expected);
    }
}

void TestMsgBox::saveWritesInFixedOrder() {
    MsgBox box;
    box.setGradient(true);
    box.setShadow(true);
    box.setFontObject(customFont());
    box.setGradientEndColor(0);
    box.setForeColor(0xFFFFFF);
    box.setBackColor(0x123456);
    RecordingBag bag;
    box.WriteProperties(bag);
    QCOMPARE(bag.writes, (QStringList{u"BackColor"_s, u"ForeColor"_s, u"GradientEndColor"_s, u"Font"_s, u"Shadow"_s,
                                      u"Gradient"_s}));
    QCOMPARE(bag.ReadProperty(u"BackColor"_s).toUInt(), 0x123456u);
    QCOMPARE(bag.ReadProperty(u"Font"_s).value<QFont>(), customFont());
}

void TestMsgBox::loadRestoresAndDefaultsMissingValues() {
    MemoryPropertyBag bag;
    bag.WriteProperty(u"ForeColor"_s, 0x0000FFu);
    bag.WriteProperty(u"Shadow"_s, true);
    MsgBox box;
    box.setBackColor(1);
    box.setGradientEndColor(2);
    box.setGradient(true);
    box.setFontObject(customFont());
    box.ReadProperties(bag);
    QCOMPARE(box.ForeColor(), 0x0000FFu);
    QCOMPARE(box.Shadow(), true);
    QCOMPARE(box.BackColor(), 0x8000000Au);
    QCOMPARE(box.GradientEndColor(), 0x8000000Au);
    QCOMPARE(box.Gradient(), false);
    QCOMPARE(box.Font(), box.AmbientFont());
}

void TestMsgBox::loadTakesFontFromNewContainer() {
    QScopedPointer<QWidget> designer(containerWithFont(u"DejaVu Sans"_s, 9));
    QScopedPointer<QWidget> runtime(containerWithFont(u"DejaVu Serif"_s, 16));
    MsgBox placed(designer.data());
    MemoryPropertyBag bag;
    placed.WriteProperties(bag);
    QVERIFY(bag.Names().isEmpty());

    MsgBox loaded(runtime.data());
    loaded.ReadProperties(bag);
    QCOMPARE(loaded.Font(), runtime->font());
}

void TestMsgBox::loadIgnoresUnreadableValues() {
    MemoryPropertyBag bag;
    bag.WriteProperty(u"BackColor"_s, u"not a colour"_s);
    bag.WriteProperty(u"ForeColor"_s, QVariant(qint64(1) << 40));
    bag.WriteProperty(u"Font"_s, 42);
    bag.WriteProperty(u"GradientEndColor"_s, QVariant(qint32(-2147483638))); // the same bits as 0x8000000A
    MsgBox box;
    box.ReadProperties(bag);
    QCOMPARE(box.BackColor(), 0x8000000Au);
    QCOMPARE(box.ForeColor(), 0u);
    QCOMPARE(box.Font(), box.AmbientFont());
    QCOMPARE(box.GradientEndColor(), 0x8000000Au);
}

void TestMsgBox::colourStoredUnchanged() {
    MsgBox box;
    box.setBackColor(0x80000005u);
    QCOMPARE(box.BackColor(), 0x80000005u);
    MemoryPropertyBag bag;
    box.WriteProperties(bag);
    QCOMPARE(bag.ReadProperty(u"BackColor"_s).toUInt(), 0x80000005u);
}

void TestMsgBox::faceKeepsItsSize_data() {
    QTest::addColumn<QSize>("requested");
    QTest::newRow("larger") << QSize(400, 300);
    QTest::newRow("smaller") << QSize(5, 5);
    QTest::newRow("wide") << QSize(200, 41);
}

void TestMsgBox::faceKeepsItsSize() {
    QFETCH(QSize, requested);
    QWidget container;
    auto* box = new MsgBox(&container);
    container.show();
    box->resize(requested);
    box->setGeometry(QRect(QPoint(3, 4), requested));
    // 870 by 615 twips at 15 twips to the pixel.
    QCOMPARE(box->size(), QSize(58, 41));
    QCOMPARE(box->pos(), QPoint(3, 4));
}

void TestMsgBox::countsLiveInstances() {
    const int before = MsgBox::LiveInstances();
    {
        MsgBox first;
        MsgBox second;
        QCOMPARE(MsgBox::LiveInstances(), before + 2);
    }
    QCOMPARE(MsgBox::LiveInstances(), before);
}

void TestMsgBox::toolboxPicture() {
    const QImage picture = MsgBox::ToolboxPicture().toImage();
    QCOMPARE(picture.size(), QSize(16, 15));
    QCOMPARE(qAlpha(picture.pixel(8, 7)), 255);
}

QTEST_MAIN(TestMsgBox)
#include "test_msgbox.moc"
