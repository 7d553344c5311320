#ifndef WJXML_BINDING_CWJIDREGISTRY_H
#define WJXML_BINDING_CWJIDREGISTRY_H

#include <string>
#include <unordered_map>
#include <unordered_set>

// The ids taken in one design. The design's root owns it; every object with
// an id reaches it through its owner.
class CWJIdRegistry {
public:
    CWJIdRegistry() = default;
    CWJIdRegistry(const CWJIdRegistry&) = delete;
    CWJIdRegistry& operator=(const CWJIdRegistry&) = delete;

    // A valid, unused id made from name ("TVN_" in front when it does not
    // start with a letter, other characters than letters, digits, _ - : .
    // replaced by _, then _1, _2 ... until unused). While a file is read the
    // name is returned as it is. Either way the id is taken: it is never
    // handed out again. The result is valid until the thread's next call.
    const char* makeUniqueId(const char* name);
    // Takes id as it is, as a read does.
    void take(const char* id) { addUnfiled(id); }
    // How many candidate ids makeUniqueId has looked up so far.
    unsigned long long candidatesTried() const { return m_candidatesTried; }

private:
    void addUnfiled(const char* id);
    // Files the ids taken since the last call in m_taken.
    void fileTaken();

    // Ids taken but not yet filed in m_taken, each ended by '\0'. A read
    // takes every id of its file and asks for none, so the ids are filed,
    // all at once, only when one is made.
    std::string m_unfiled;
    std::size_t m_unfiledCount = 0;
    std::unordered_set<std::string> m_taken;
    // Per base name, the first suffix not yet known to be taken: ids never
    // leave m_taken, so the search for a free suffix resumes there.
    std::unordered_map<std::string, unsigned long long> m_nextSuffix;
    unsigned long long m_candidatesTried = 0;
};

#endif
