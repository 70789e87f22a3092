#include <QTest>
class ConfigFilesTest : public QObject { Q_OBJECT };
QTEST_MAIN(ConfigFilesTest)
#include "tst_configfiles.moc"
