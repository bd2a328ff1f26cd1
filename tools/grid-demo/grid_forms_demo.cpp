// A form with a string grid to drive under Xvfb: row 1 holds rich text
// (F2 edits it), row 2 form controls (F2 or a click edits them, Tab walks
// them), row 3 an edit link that opens a popup; the glow frames the edited
// cell and follows the form; a right click on a header edits it. With
// --design the grid shows its design-time box.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/core/RichText.h"
#include "controls/grid/model/core/RtfWriter.h"
#include "controls/grid/view/EditLinks.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>

#include <cstdio>

using namespace controls;

namespace {

void print(const QString &s)
{
    std::printf("%s\n", qPrintable(s));
    std::fflush(stdout);
}

class TPopupLineLink : public TEditLink {
public:
    using TEditLink::TEditLink;
    QWidget *GetEditControl() override { return m_edit; }
    void CreateEditor(QWidget *AParent) override
    {
        if (m_edit && m_edit->parentWidget() == AParent)
            return;
        delete m_edit.data();
        m_edit = new QLineEdit(AParent);
    }
    void DestroyEditor() override { delete m_edit.data(); }
    QString GetEditorValue() override { return m_edit ? m_edit->text() : QString(); }
    void SetEditorValue(const QString &Value) override
    {
        if (m_edit)
            m_edit->setText(Value);
    }

private:
    QPointer<QLineEdit> m_edit;
};

QString richSample()
{
    TRichText t;
    TRichCharFormat bold;
    bold.bold = true;
    TRichCharFormat red;
    red.color = platform::RGB(200, 0, 0);
    TRichCharFormat up;
    up.offsetTwips = 40;
    t.runs = {{QStringLiteral("Flow "), bold}, {QStringLiteral("12 m"), red}, {QStringLiteral("3"), up},
              {QStringLiteral("/h"), {}}};
    return writeRichText(t);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    QWidget form;
    form.setWindowTitle(QStringLiteral("String grid forms"));
    form.resize(640, 300);
    auto *grid = new TExStringGrid(&form);
    grid->setObjectName(QStringLiteral("grid"));
    grid->setGeometry(0, 0, 640, 300);
    grid->setColCount(4);
    grid->setRowCount(6);
    grid->setColWidths(1, 380);
    grid->setRowHeights(2, 32);
    grid->setColumnHeaders({QStringLiteral("Kind"), QStringLiteral("Value"), QStringLiteral("Other"),
                            QStringLiteral("More")});
    grid->ShowColumnHeaders();
    grid->setCells(0, 1, QStringLiteral("Rich text"));
    grid->setCells(1, 1, richSample());
    grid->setCells(0, 2, QStringLiteral("Form"));
    grid->setCells(1, 2, QStringLiteral(R"(Name <CONTROL TYPE="EDIT" ID="name" VALUE="Meter 7" WIDTH="80"> )"
                                        R"(<CONTROL TYPE="CHECK" ID="on" VALUE="TRUE" WIDTH="16"> on )"
                                        R"(<CONTROL TYPE="PASSWORD" ID="pw" VALUE="" WIDTH="60"> )"
                                        R"(<CONTROL TYPE="COMBO" ID="medium" VALUE="Water" WIDTH="70">)"));
    grid->setCells(0, 3, QStringLiteral("Link"));
    grid->setCells(1, 3, QStringLiteral("popup value"));
    grid->setCells(1, 4, QStringLiteral("plain"));
    grid->setOptions(grid->Options() | goEditing);
    grid->FocusHelper.Enabled = true;
    grid->MouseActions().FixedRowsEdit = TGridFixedCellEdit::fceRightClick;

    TPopupLineLink link;
    link.EditStyle = esPopup;
    link.AutoPopupWidth = true;
    link.PopupHeight = 28;
    grid->setEditLink(&link);
    grid->OnGetEditorType = [](TExStringGrid *, int ACol, int ARow, TEditorType &e) {
        if (ACol == 1 && ARow == 1)
            e = edRichEdit;
        else if (ACol == 1 && ARow == 3)
            e = edCustom;
    };
    grid->OnControlComboList = [](TExStringGrid *, int, int, const QString &, const QString &, const QString &,
                                  QStringList &values, bool &edit, int &) {
        values = {QStringLiteral("Water"), QStringLiteral("Heat"), QStringLiteral("Gas")};
        edit = false;
    };
    grid->OnControlEditDone = [](TExStringGrid *, int ARow, int ACol, const QString &id, const QString &type,
                                 const QString &value) {
        print(QStringLiteral("control %1,%2 %3 %4 = %5").arg(ACol).arg(ARow).arg(id, type, value));
    };
    grid->OnControlClick = [](TExStringGrid *, int ARow, int ACol, const QString &id, const QString &, const QString &v) {
        print(QStringLiteral("click %1,%2 %3 = %4").arg(ACol).arg(ARow).arg(id, v));
    };
    grid->OnEditCellDone = [](TExStringGrid *g, int ACol, int ARow) {
        const QString text = g->Cells(ACol, ARow);
        print(QStringLiteral("done %1,%2 \"%3\"").arg(ACol).arg(ARow).arg(richCellPlainText(text)));
    };
    if (args.contains(QStringLiteral("--design")))
        grid->setDesigning(true);
    grid->FocusCell(1, 4);
    form.show();
    grid->setFocus();
    return app.exec();
}
