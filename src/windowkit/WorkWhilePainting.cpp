#include "windowkit/WorkWhilePainting.h"

#include <QEventLoop>
#include <QThread>
#include <memory>

namespace varnel::windowkit {

void runWhilePainting(const std::function<void()>& work) {
    const std::unique_ptr<QThread> worker(QThread::create(work));
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
}

}  // namespace varnel::windowkit
