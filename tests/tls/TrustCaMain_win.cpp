// trust_test_ca.exe: puts a test certificate authority into the current user's "Root" store of the
// Wine prefix, so that WinINet trusts the local HTTPS test server as it would a public one.
//   trust_test_ca.exe CA.der
// Exit code 0 when done, 1 on a bad command line, 2 when the file cannot be read, 3 when the store
// refuses; the reason goes to standard error.
#include <windows.h>
#include <wincrypt.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 1;
  std::ifstream in(argv[1], std::ios::binary);
  std::vector<BYTE> der{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (der.empty()) {
    std::fprintf(stderr, "trust_test_ca: cannot read the certificate file\n");
    return 2;
  }
  HCERTSTORE store = CertOpenSystemStoreW(0, L"Root");
  if (!store) {
    std::fprintf(stderr, "trust_test_ca: CertOpenSystemStoreW(Root) failed (error %lu)\n", GetLastError());
    return 3;
  }
  bool added = CertAddEncodedCertificateToStore(store, X509_ASN_ENCODING, der.data(), DWORD(der.size()),
                                                CERT_STORE_ADD_REPLACE_EXISTING, nullptr);
  if (!added) std::fprintf(stderr, "trust_test_ca: CertAddEncodedCertificateToStore failed (error %lu)\n", GetLastError());
  CertCloseStore(store, 0);
  return added ? 0 : 3;
}
