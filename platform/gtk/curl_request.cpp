#include "platform/gtk/curl_request.h"

#include <curl/curl.h>
#include <glib.h>

#include <string>

#include "platform/gtk/gbk.h"
#include "text/literals.h"

namespace velloran::gtk {

namespace {

// Ours, not the program's: the server may be slow, but a dead one must not
// hold the window back for ever.
constexpr long requestTimeoutSeconds = 60;
constexpr long connectTimeoutSeconds = 30;
constexpr long redirectLimit = 20;

// Member names bind as automation names do: without regard to case.
bool sameName(const Text& name, const char* member) { return g_ascii_strcasecmp(name.c_str(), member) == 0; }

size_t collectBody(char* data, size_t size, size_t count, void* body) {
    auto& bytes = *static_cast<std::vector<unsigned char>*>(body);
    bytes.insert(bytes.end(), data, data + size * count);
    return size * count;
}

class CurlRequest final : public RequestObject {
public:
    bool callMethod(const Text& name, const std::vector<RequestArgument>& arguments) override {
        if (sameName(name, literals::requestOpenMethod)) return open(arguments);
        if (sameName(name, literals::requestSendMethod)) return send();
        return false;
    }

    bool readBytesProperty(const Text& name, std::vector<unsigned char>& bytes) override {
        bytes.clear();
        if (!sameName(name, literals::requestBodyProperty) || !received) return false;
        bytes = body;
        return !bytes.empty();
    }

private:
    // open(verb, address, async): only a synchronous request is made.
    bool open(const std::vector<RequestArgument>& arguments) {
        if (arguments.size() < 2 || !arguments[0].isText || !arguments[1].isText) return false;
        verb = utf8FromGbk(arguments[0].text);
        address = utf8FromGbk(arguments[1].text);
        opened = true;
        received = false;
        body.clear();
        return true;
    }

    bool send() {
        if (!opened) return false;
        CURL* curl = curl_easy_init();
        if (curl == nullptr) return false;
        body.clear();
        curl_easy_setopt(curl, CURLOPT_URL, address.c_str());
        curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, verb.c_str());
        curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(curl, CURLOPT_MAXREDIRS, redirectLimit);
        curl_easy_setopt(curl, CURLOPT_TIMEOUT, requestTimeoutSeconds);
        curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, connectTimeoutSeconds);
        curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
        // Compressed bodies arrive decoded, as the Windows object gives them.
        curl_easy_setopt(curl, CURLOPT_ACCEPT_ENCODING, "");
        curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, collectBody);
        curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
        CURLcode result = curl_easy_perform(curl);
        curl_easy_cleanup(curl);
        // Whatever status the server gave, its body is the answer; a
        // transfer that broke off gives none.
        received = result == CURLE_OK;
        if (!received) body.clear();
        return received;
    }

    std::string verb;
    std::string address;
    bool opened = false;
    bool received = false;
    std::vector<unsigned char> body;
};

}  // namespace

std::unique_ptr<RequestObject> newCurlRequest(const Text& progId) {
    if (progId != literals::primaryRequestProgId && progId != literals::fallbackRequestProgId) return nullptr;
    return std::make_unique<CurlRequest>();
}

void startCurl() { curl_global_init(CURL_GLOBAL_DEFAULT); }

void stopCurl() { curl_global_cleanup(); }

}  // namespace velloran::gtk
