// SPDX-License-Identifier: GPL-3.0-or-later
// "COM port": which serial port the program uses, chosen by number or from the list of adapters, and
// the search for the port a module answers on.
#pragma once

#include "portcatalogue.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace hx7 {

class PortProber;
struct ProbeResult;
class SpinBox;

class TOKcommDlg : public QDialog
{
    Q_OBJECT
public:
    // deviceName tells which device a port number opens (the [Ports] mapping or the platform's name).
    explicit TOKcommDlg(std::function<QString(int)> deviceName, QWidget *parent = nullptr);

    // What the list shows; called at each showing and by the refresh button.
    void SetPortLister(std::function<QList<PortEntry>()> lister) { m_lister = std::move(lister); }

    // The module search. begin() says whether it may start (no transfer running) and frees the
    // program's own port; end() takes it back. The owner ticks the prober.
    struct Search {
        PortProber *prober = nullptr;
        std::function<bool()> begin;
        std::function<void()> end;
    };
    void SetSearch(Search search);

    int PortNumber = 1; // handed in before showing, taken back after OK
    QString PortDevice; // after OK: the device chosen for PortNumber from the list, empty to keep it

    void FormShow();
    void done(int result) override;

    static const QString BusyText; // the Czech source text; the dialog shows its translation
    static QString FailureShortText(int kind);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void ShowDevice();
    void FillList();
    void ItemChosen();
    void FindModule();
    void OnTrying(const QString &device);
    void OnAnswered(const ProbeResult &result);
    void OnFinished();
    void EndSearch();
    QTreeWidgetItem *ItemFor(const QString &device) const;

    std::function<QString(int)> m_deviceName;
    std::function<QList<PortEntry>()> m_lister;
    Search m_search;
    bool m_searching = false;
    SpinBox *SEdit1;
    QLabel *LBdevice;
    QTreeWidget *LVports;
    QPushButton *BTrefresh;
    QPushButton *BTfind;
    QLabel *LBsearch;
};

} // namespace hx7
