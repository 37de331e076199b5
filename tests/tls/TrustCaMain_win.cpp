// trust_test_ca.exe: puts a test certificate authority into the current user's "Root" store of the
// Wine prefix, so WinINet trusts the local HTTPS test server, and takes it out again.
//   trust_test_ca.exe add|remove CA.der
// Exit code 0 when done, 1 on a bad command line, 2 when the file cannot be read, 3 when the store
// refuses; the reason goes to standard error.
#include <windows.h>
#include <wincrypt.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<BYTE> readAll(const wchar_t* path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<BYTE>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int failed(const char* what) {
  std::fprintf(stderr, "trust_test_ca: %s failed (error %lu)\n", what, GetLastError());
  return 3;
}

// Removes the store's copy of the certificate; none there counts as done.
int removeFrom(HCERTSTORE store, const std::vector<BYTE>& der) {
  PCCERT_CONTEXT given = CertCreateCertificateContext(X509_ASN_ENCODING, der.data(), DWORD(der.size()));
  if (!given) return failed("reading the certificate");
  PCCERT_CONTEXT stored = CertFindCertificateInStore(store, X509_ASN_ENCODING, 0, CERT_FIND_EXISTING, given, nullptr);
  CertFreeCertificateContext(given);
  if (!stored) return 0;
  return CertDeleteCertificateFromStore(stored) ? 0 : failed("CertDeleteCertificateFromStore");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return 1;
  std::wstring command = argv[1];
  if (command != L"add" && command != L"remove") return 1;
  std::vector<BYTE> der = readAll(argv[2]);
  if (der.empty()) {
    std::fprintf(stderr, "trust_test_ca: cannot read the certificate file\n");
    return 2;
  }
  HCERTSTORE store = CertOpenSystemStoreW(0, L"Root");
  if (!store) return failed("CertOpenSystemStoreW(Root)");
  int result = 0;
  if (command == L"add") {
    if (!CertAddEncodedCertificateToStore(store, X509_ASN_ENCODING, der.data(), DWORD(der.size()),
                                          CERT_STORE_ADD_REPLACE_EXISTING, nullptr))
      result = failed("CertAddEncodedCertificateToStore");
  } else {
    result = removeFrom(store, der);
  }
  CertCloseStore(store, 0);
  return result;
}
