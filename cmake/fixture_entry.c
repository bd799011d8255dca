/* Entry of the version-resource fixture DLLs: they hold no code but this. */
int __stdcall DllMainCRTStartup(void* instance, unsigned reason, void* reserved) {
  (void)instance;
  (void)reason;
  (void)reserved;
  return 1;
}
