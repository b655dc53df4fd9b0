// The pages as an app, from a copy of the zip's folder, in one context: installable (Chromium's own
// check, and the manifest and icons every engine reads); a new build, once a visit found it, alone
// left; then offline, it and every board and link played, as the native windows show them. Where
// the engine has no service workers, the game plays, and that is all.
import { execFileSync } from 'node:child_process';
import { copyFileSync, cpSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { abrir, ate_igual, esperar, falhar, pasta_nativa, pasta_web, testar } from './comum.mjs';

const web = new URL('../../web/', import.meta.url).pathname;

// In the page: what keeps it from being an app in the manifest, its icons and Safari's.
async function sem_instalar() {
  const manifesto = document.querySelector('link[rel=manifest]').href, m = await (await fetch(manifesto)).json();
  const erros = m.name && m.display === 'standalone' && m.start_url ? [] : ['manifest: ' + JSON.stringify(m)];
  const icones = ['192x192', '512x512'].map((t) => m.icons.find((i) => i.sizes === t)).map((i) => i && new URL(i.src, manifesto).href);
  for (const url of [...icones, document.querySelector('link[rel=apple-touch-icon]')?.href])
    if (!url || !(await fetch(url)).ok) erros.push('no icon ' + url);
  return erros;
}

// A new build in pasta, campo.map the board without monsters, by the build's versionar.mjs.
function versionar(pasta) {
  copyFileSync(join(pasta_nativa, 'sem_monstros.map'), join(pasta, 'tabuleiros/campo.map'));
  const velho = readFileSync(join(pasta, 'sw.js'), 'utf8');
  const arquivos = JSON.parse(velho.match(/const ARQUIVOS = (\[.*?\]\]);/)[1]).map(([a]) => a);
  execFileSync('node', [join(web, 'versionar.mjs'), join(web, 'sw.js.in'), 'sw.js', ...arquivos], { cwd: pasta });
  return readFileSync(join(pasta, 'sw.js'), 'utf8').match(/tabuleiro2-[0-9a-f]+/)[0];
}

const pasta = mkdtempSync(join(tmpdir(), 'tabuleiro2-app-'));
cpSync(pasta_web, pasta, { recursive: true });
await testar([async (ambiente) => {
  const contexto = await ambiente.navegador.padrao();
  const jogar = async (url, nativa) => {
    const pagina = await abrir(ambiente, url, { contexto, rodando: true });
    if (nativa) await ate_igual(pagina, nativa, url);
    await pagina.fechar();
  };
  // The first visit stays until its worker is in charge (left sooner, WebKit's never installs).
  let pagina = await abrir(ambiente, '/', { contexto, rodando: true });
  if (!(await pagina.avaliar(() => 'serviceWorker' in navigator))) return pagina.fechar();
  for (const url of ['/', '/editor.html']) {
    if (url !== '/') pagina = await abrir(ambiente, url, { contexto });
    await esperar(pagina, () => !!navigator.serviceWorker.controller, 'no service worker in charge of ' + url);
    const erros = [...(await pagina.erros_de_instalacao()) || [], ...await pagina.avaliar(sem_instalar)];
    if (erros.length) falhar(url + ' is not installable: ' + erros.join(', '));
    await pagina.fechar();
  }
  const versao = versionar(pasta);
  pagina = await abrir(ambiente, '/', { contexto, rodando: true });
  await esperar(pagina, async (v) => (await caches.keys()).join() === v, 'caches but ' + versao + ' left', versao);
  await pagina.fechar();
  await jogar('/?tabuleiro=nativa/sem_monstros.map');
  ambiente.parar();
  const celulas = readFileSync(join(pasta_nativa, 'sem_monstros.map'), 'latin1').replace(/\n/g, '');
  // The editor's board standing is the game's first frame.
  for (const url of ['/?tabuleiro=tabuleiros/campo.map', '/?celulas=' + celulas, '/?tabuleiro=nativa/sem_monstros.map',
    '/editor.html?tabuleiro=tabuleiros/campo.map'])
    await jogar(url, 'primeiro.rgb');
  await jogar('/');
}], pasta);
rmSync(pasta, { recursive: true, force: true });
