# Fixed values of the build. The defaults point at the reference server on this machine,
# so a plain build runs the demonstration; a dealer's build overrides them with -D.
set(ZORVAT_SUNUCU_HOST "127.0.0.1" CACHE STRING "Application server host (internet profile)")
set(ZORVAT_WEB_HOST "127.0.0.1:8080" CACHE STRING "Web site host, with port when not 80 (internet profile)")
set(ZORVAT_RESIM_HOST "127.0.0.1:8080" CACHE STRING "Picture host, with port when not 80 (internet profile; usually www. + web host)")
set(ZORVAT_OFIS_LAN_ADRESI "127.0.0.1" CACHE STRING "Application server address on the office network (office profile)")
set(ZORVAT_OFIS_WEB_HOST "127.0.0.1:8080" CACHE STRING "Web and picture host on the office network (office profile)")
set(ZORVAT_OFIS_DIS_IP "203.0.113.10" CACHE STRING "Public IPv4 address of the dealer's office")
set(ZORVAT_UYGULAMA_PORT "9090" CACHE STRING "TCP port of the application server")
set(ZORVAT_DIS_IP_SERVISI "http://127.0.0.1:8080/ip" CACHE STRING "URL of the service that answers with the caller's public IPv4 address")
set(ZORVAT_ODEME_ADRESI "http://127.0.0.1:8080" CACHE STRING "Base address of the card payment pages")
set(ZORVAT_URUN_SITESI "127.0.0.1:8080" CACHE STRING "Host of the product web site")
set(ZORVAT_INDIRME_HOST "127.0.0.1:8080" CACHE STRING "Host that serves the client's setup program")
set(ZORVAT_TAKMA_DISK_SERI_1 "ZV0000000000001" CACHE STRING "First disk serial of the computer-ID alias table (15 characters)")
set(ZORVAT_TAKMA_DISK_SERI_2 "ZV0000000000002" CACHE STRING "Second disk serial of the computer-ID alias table (15 characters)")
set(ZORVAT_TAKMA_BILGISAYAR_ID "100000000001" CACHE STRING "Computer ID that both alias serials log in as (12 digits)")

set(ZORVAT_GENERATED_DIR "${CMAKE_CURRENT_BINARY_DIR}/generated")
configure_file("${CMAKE_CURRENT_LIST_DIR}/zorvat_config.h.in" "${ZORVAT_GENERATED_DIR}/zorvat_config.h" @ONLY)
