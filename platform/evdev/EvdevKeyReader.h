// Reads the key events of kernel input nodes on a worker thread of its own
// and reports new presses and releases as the input hook's keyboard records
// (virtual-key code, set-1 scan code, flags), in the thread of this object.
// Auto-repeats are not reported. The nodes are only read, never grabbed: the
// keys act on the desktop as before. A node that goes away (the keyboard is
// unplugged) is dropped; the others are still read.
#ifndef EVDEVKEYREADER_H
#define EVDEVKEYREADER_H

#include <QObject>
#include <QStringList>

#include <atomic>
#include <thread>
#include <vector>

class EvdevKeyReader : public QObject
{
    Q_OBJECT

public:
    explicit EvdevKeyReader(QObject *parent = nullptr);
    ~EvdevKeyReader() override;

    // Stops reading what was read before and reads the nodes. A node that
    // cannot be opened is left out: the first refusal in the process is
    // logged, with what it costs. Returns the count of nodes read.
    int readNodes(const QStringList &nodes);
    // Reads already opened descriptors of input events, and closes them
    // when done.
    void readDescriptors(const std::vector<int> &fds);
    void stop();
    bool isReading() const { return m_thread.joinable(); }
    QStringList nodes() const { return m_nodes; }

    // Opens one input node for reading: not through a link, a character
    // device only. -1 with errno set otherwise.
    static int openNode(const QString &node);

signals:
    // flags as the hook's records: ExtendedFlag, AltDownFlag, ReleaseFlag.
    void keyEvent(int vkCode, int scanCode, int flags);

private:
    void run(std::vector<int> fds, int wakeFd);

    std::thread m_thread;
    int m_wakeFd = -1;
    QStringList m_nodes;
};

#endif
