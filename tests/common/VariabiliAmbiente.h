#pragma once
// Environment variables set for a while: at the end each goes back to the value it had, or
// away again when it had none.
#include <QByteArray>
#include <QtGlobal>

#include <optional>
#include <utility>
#include <vector>

class VariabiliAmbiente {
public:
    VariabiliAmbiente() = default;
    ~VariabiliAmbiente() {
        // Backwards, so a variable set twice ends as it was before the first time.
        for (auto it = prima_.rbegin(); it != prima_.rend(); ++it) {
            if (it->second)
                qputenv(it->first, *it->second);
            else
                qunsetenv(it->first);
        }
    }
    VariabiliAmbiente(const VariabiliAmbiente&) = delete;
    VariabiliAmbiente& operator=(const VariabiliAmbiente&) = delete;

    void Imposta(const char* nome, const QByteArray& valore) {
        prima_.push_back({nome, qEnvironmentVariableIsSet(nome) ? std::optional(qgetenv(nome)) : std::nullopt});
        qputenv(nome, valore);
    }

private:
    std::vector<std::pair<const char*, std::optional<QByteArray>>> prima_;
};
