#pragma once

// Told when a job begins and ends. Never destroyed through this interface.
class CWorker {
public:
    virtual void OnJobBegin() {}
    virtual void OnJobEnd() {}

protected:
    ~CWorker() = default;
};

// Brackets a job: begin on construction, end on destruction, on every way out.
class CRunner {
public:
    explicit CRunner(CWorker* worker) : m_pWorker(worker) {
        if (m_pWorker)
            m_pWorker->OnJobBegin();
    }
    virtual ~CRunner() {
        if (m_pWorker)
            m_pWorker->OnJobEnd();
    }
    CRunner(const CRunner&) = delete;
    CRunner& operator=(const CRunner&) = delete;

private:
    CWorker* m_pWorker;
};
