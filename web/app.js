// The pages as an app a phone keeps: once a page has shown its first frame,
// and again two seconds after it loaded (so a page that shows none
// registers too; registering again changes nothing), it registers the
// service worker, sw.js, which keeps every file of this build to play with
// no network. A browser or a frame without service workers plays from the
// network, as any page.
function guardar_jogo() {
  try {
    navigator.serviceWorker.register('sw.js').catch(() => {});
  } catch (e) { /* no service workers here */ }
}
addEventListener('quadro', guardar_jogo, { capture: true, once: true });
addEventListener('load', () => setTimeout(guardar_jogo, 2000), { once: true });
