// The web tests' and the web benchmark's static server, and Debian's three browser engines behind
// one interface: Chromium and Firefox headless through puppeteer-core, WebKit's MiniBrowser through
// selenium-webdriver on apoio/com_xvfb.sh's display. A browser: motor, versao, perfil, duravel
// (storage outlives it), toque, botao_direito, contexto() (storage of its own), padrao(), fechar().
// A context: abrir(url, { width, height, toque }), fechar(). A page: ir, recarregar, avaliar(fn,
// ...JSON args), tecla_abaixo/tecla_acima(KeyboardEvent.key), mover(x, y), pressionar/largar('left'
// or 'right'), clicar(css), escolher_arquivo(css, path), tamanho(screen), erros_de_instalacao()
// (null where the engine has no such check), fechar().
import { execFileSync } from 'node:child_process';
import { createRequire } from 'node:module';
import { createServer } from 'node:http';
import { existsSync, mkdirSync, mkdtempSync, readFileSync, rmSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { extname, join, resolve } from 'node:path';

export const MOTORES = ['chromium', 'firefox', 'webkit'];
// Each engine's program on the PATH and its Debian package; MiniBrowser wherever WebKitGTK keeps it.
const PROGRAMAS = { chromium: ['chromium'], firefox: ['firefox-esr'], webkit: ['WebKitWebDriver', 'webkit2gtk-driver'] };
const no_path = (nome) => process.env.PATH.split(':').map((pasta) => join(pasta, nome)).find(existsSync);
const minibrowser = () => execFileSync('sh', ['-c', 'ls /usr/lib/*/webkit2gtk-*/MiniBrowser ' +
  '/usr/libexec/webkit2gtk-*/MiniBrowser 2>/dev/null || true'], { encoding: 'utf8' }).split('\n')[0];

// Serves raiz, and each of pastas under /NAME/ no-cache; com_antes(url, fn): url running fn first.
export async function servir(raiz, pastas = {}) {
  const tipos = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
    '.webmanifest': 'application/manifest+json', '.png': 'image/png' };
  const antes = [];
  const servidor = createServer((pedido, resposta) => {
    const endereco = new URL(pedido.url, 'http://x');
    const caminho = decodeURIComponent(endereco.pathname);
    const [, primeira, resto] = caminho.match(/^\/([^/]*)\/?(.*)$/);
    const arquivo = pastas[primeira] ? join(pastas[primeira], resto) : join(raiz, caminho === '/' ? 'index.html' : caminho);
    try {
      let dados = readFileSync(arquivo);
      const script = antes[endereco.searchParams.get('antes')];
      if (script && extname(arquivo) === '.html')
        dados = dados.toString().replace(/<head[^>]*>/i, (cabeca) => cabeca + '<script>(' + script + ')();</script>');
      resposta.writeHead(200, { 'Content-Type': tipos[extname(arquivo)] || 'application/octet-stream',
        'Last-Modified': statSync(arquivo).mtime.toUTCString(), // as static hosts say
        ...(pastas[primeira] ? { 'Cache-Control': 'no-cache' } : {}) });
      resposta.end(dados);
    } catch (e) {
      resposta.writeHead(404).end();
    }
  });
  await new Promise((pronto) => servidor.listen(0, '127.0.0.1', pronto));
  const com_antes = (url, fn) => url + (url.includes('?') ? '&' : '?') + 'antes=' + (antes.push(String(fn)) - 1);
  return { servidor, endereco: 'http://127.0.0.1:' + servidor.address().port, com_antes };
}

// Browser motor in language idioma on profile perfil (else a new one), the clients from modulos.
export async function abrir_navegador(motor, modulos, { perfil, idioma = 'pt-BR' } = {}) {
  const [nome, pacote = nome] = PROGRAMAS[motor] || [];
  if (!nome) throw new Error('no browser engine "' + motor + '": ' + MOTORES.join(', '));
  const programa = no_path(nome);
  if (!programa) throw new Error(motor + ' is not installed: no ' + nome + ' on the PATH (Debian package ' + pacote + ')');
  const novo = !perfil;
  perfil ||= mkdtempSync(join(tmpdir(), 'tabuleiro2-' + motor + '-'));
  const requerer = createRequire(join(resolve(modulos), 'x.js'));
  const navegador = await (motor === 'webkit' ? abrir_webkit : abrir_puppeteer)(motor, programa, requerer, perfil, idioma);
  const fechar = navegador.fechar;
  return Object.assign(navegador, { motor, perfil, fechar: async () => {
    await fechar();
    if (novo) rmSync(perfil, { recursive: true, force: true });
  } });
}

// Chromium and Firefox in a UTF-8 locale whatever the caller's: in the C
// one, Chromium cannot give a page a file whose name is not ASCII.
async function abrir_puppeteer(motor, programa, requerer, perfil, idioma) {
  const env = { ...process.env, LC_ALL: 'C.UTF-8' };
  const navegador = await requerer('puppeteer-core').launch(motor === 'chromium' ? {
    executablePath: programa, env, headless: true, userDataDir: perfil,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--lang=' + idioma, '--accept-lang=' + idioma,
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  } : {
    browser: 'firefox', executablePath: programa, env, headless: true, userDataDir: perfil,
    // Pages focused when brought to the front, as with a window manager (full screen needs it);
    // downloads saved in the profile with no panel, which would take the focus.
    extraPrefsFirefox: { 'intl.accept_languages': idioma, 'intl.locale.requested': idioma, 'focusmanager.testmode': true,
      'browser.download.alwaysOpenPanel': false, 'browser.download.always_ask_before_handling_new_types': false,
      'browser.download.folderList': 2, 'browser.download.useDownloadDir': true, 'browser.download.dir': join(perfil, 'baixados') },
  });
  const contexto = (c, proprio) => ({
    abrir: async (url, tela) => {
      const p = await c.newPage();
      const pagina = {
        ir: (u) => p.goto(u), recarregar: () => p.reload(), avaliar: (fn, ...args) => p.evaluate(fn, ...args),
        tecla_abaixo: (tecla) => p.keyboard.down(tecla), tecla_acima: (tecla) => p.keyboard.up(tecla),
        mover: (x, y) => p.mouse.move(x, y), pressionar: (b) => p.mouse.down({ button: b }), largar: (b) => p.mouse.up({ button: b }),
        clicar: async (seletor) => { await p.bringToFront(); await p.click(seletor); }, // a player's click is in the focused window
        escolher_arquivo: async (seletor, caminho) => (await p.$(seletor)).uploadFile(caminho),
        // A touch screen where Chromium's emulation gives one.
        tamanho: ({ width, height, toque }) => p.setViewport({ width, height,
          ...(toque && motor === 'chromium' ? { hasTouch: true, isMobile: true } : {}) }),
        // Chromium's own check of what an app needs; Firefox has none.
        erros_de_instalacao: async () => (motor !== 'chromium' ? null
          : (await (await p.createCDPSession()).send('Page.getInstallabilityErrors')).installabilityErrors.map((e) => e.errorId)),
        fechar: () => p.close(),
      };
      if (tela) await pagina.tamanho(tela);
      if (url) await p.goto(url);
      return pagina;
    },
    fechar: () => (proprio ? c.close() : undefined),
  });
  return {
    versao: await navegador.version(), duravel: true, toque: motor === 'chromium', botao_direito: true,
    contexto: async () => contexto(await navegador.createBrowserContext(), true),
    padrao: async () => contexto(navegador.defaultBrowserContext(), false),
    fechar: () => navegador.close(),
  };
}

// WebKit: a MiniBrowser a context (a driver, a session), its page its window, storage in memory.
async function abrir_webkit(motor, programa, requerer, perfil, idioma) {
  if (!process.env.DISPLAY) throw new Error('WebKit has no headless mode: run under apoio/com_xvfb.sh');
  const { Builder, Button, By, Key, Origin } = requerer('selenium-webdriver');
  const { DriverService } = requerer('selenium-webdriver/remote');
  const porta_livre = requerer('selenium-webdriver/net/portprober').findFreePort;
  // Its pages take the C library's locale: idioma's, compiled from Debian's locales into the profile.
  const local = idioma.replace('-', '_') + '.UTF-8';
  mkdirSync(perfil, { recursive: true });
  execFileSync('localedef', ['-i', local.slice(0, -6), '-f', 'UTF-8', join(perfil, local)]);
  const env = { ...process.env, LOCPATH: perfil, LANG: local, LC_ALL: local, LANGUAGE: '' };
  const abertos = new Set();
  const contexto = async () => {
    const porta = await porta_livre('127.0.0.1');
    const driver = new DriverService(programa, { port: porta, hostname: '127.0.0.1',
      args: ['--port=' + porta, '--host=127.0.0.1'], env });
    const d = await new Builder().disableEnvironmentOverrides().usingServer(await driver.start()).withCapabilities({
      browserName: 'MiniBrowser', 'webkitgtk:browserOptions': { binary: minibrowser(), args: ['--automation'] },
      timeouts: { script: 120000 } }).build();
    const acao = (f) => (...args) => f(d.actions(), ...args).perform();
    const tecla = (t) => Key[t.replace('Arrow', 'Arrow_').toUpperCase()] || t;
    const elemento = (seletor) => d.findElement(By.css(seletor));
    const pagina = {
      ir: (url) => d.get(url), recarregar: () => d.navigate().refresh(),
      avaliar: (fn, ...args) => d.executeScript('return (' + fn + ')(...arguments)', ...args),
      tecla_abaixo: acao((a, t) => a.keyDown(tecla(t))), tecla_acima: acao((a, t) => a.keyUp(tecla(t))),
      mover: acao((a, x, y) => a.move({ x: Math.round(x), y: Math.round(y), origin: Origin.VIEWPORT, duration: 0 })),
      pressionar: acao((a, b) => a.press(Button[b.toUpperCase()])), largar: acao((a, b) => a.release(Button[b.toUpperCase()])),
      clicar: async (seletor) => (await elemento(seletor)).click(),
      escolher_arquivo: async (seletor, caminho) => (await elemento(seletor)).sendKeys(caminho),
      // The viewport width x height (MiniBrowser's toolbar keeps it 447 px wide at least).
      tamanho: async ({ width, height }) => {
        await d.manage().window().setRect({ width, height });
        const [w, h] = await pagina.avaliar(() => [innerWidth, innerHeight]);
        await d.manage().window().setRect({ width: 2 * width - w, height: 2 * height - h });
      },
      erros_de_instalacao: async () => null,
      fechar: () => d.get('about:blank'), // closing its one window would end the browser
    };
    const fechar = async () => {
      abertos.delete(fechar);
      await d.quit().catch(() => {});
      await driver.kill();
    };
    abertos.add(fechar);
    const abrir = async (url, tela) => {
      if (tela) await pagina.tamanho(tela);
      if (url) await pagina.ir(url);
      return pagina;
    };
    return { versao: 'WebKitGTK ' + (await d.getCapabilities()).get('browserVersion'), abrir, fechar };
  };
  const padrao = await contexto();
  return {
    versao: padrao.versao, duravel: false, toque: false,
    botao_direito: false, // its WebDriver releases the right button as the left, and keeps the right held
    contexto, padrao: async () => ({ abrir: padrao.abrir, fechar: () => {} }),
    fechar: async () => { for (const f of abertos) await f(); },
  };
}
